#include "workspace/main_window.h"

#include "build/javac_server.h"
#include "controls/open_file_chooser.h"
#include "controls/prompter.h"
#include "controls/skin_button.h"
#include "controls/window_geometry.h"
#include "platform/platform.h"
#include "settings/settings_file.h"
#include "workspace/build_runner.h"
#include "workspace/class_scan.h"
#include "workspace/dropped_file.h"
#include "workspace/editor_text.h"
#include "workspace/main_layout.h"
#include "workspace/open_start.h"
#include "workspace/source_keeper.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

namespace qm {

namespace {

// The fixed suffix field is narrower than ".java" in a 12 pt monospace font:
// step the font down until the whole suffix shows.
void shrinkToFit(QLineEdit *field) {
    field->setTextMargins(0, 0, 0, 0);
    field->setAlignment(Qt::AlignCenter);
    QFont font = field->font();
    const int room = field->width() - 6; // frame and the line edit's own padding
    while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(field->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    field->setFont(font);
}

// The left part of the banner holds the program's name.
constexpr double kBannerNameShare = 0.55;

// The banner keeps its proportions at the box's height; a narrower box
// shows its left part, shrunk as far as needed to show the whole name.
void fitBanner(QLabel *box) {
    const QPixmap banner(QStringLiteral(":/quillmoss/banner.png"));
    const qreal ratio = box->devicePixelRatioF();
    const double scale = qMin(double(box->height()) / banner.height(),
                              box->width() / (banner.width() * kBannerNameShare));
    QPixmap scaled =
        banner.scaledToHeight(qRound(banner.height() * scale * ratio), Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    box->setPixmap(scaled);
}

} // namespace

Frm_java::Frm_java(ProgramState &programState, MainWindowServices given, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state(programState), services(std::move(given)) {
    setObjectName(QStringLiteral("Frm_java"));
    setWindowTitle(QStringLiteral("QuillmossJava编译器 v1.05"));
    setWindowIcon(QIcon(QStringLiteral(":/quillmoss/icon.png")));
    if (!services.prompter) {
        ownPrompter = std::make_unique<MessageBoxPrompter>();
        services.prompter = ownPrompter.get();
    }
    if (!services.chooser) {
        ownChooser = std::make_unique<DialogOpenFileChooser>([this] {
            return openDialogStart(sourceKeeper->lastOpenedFolder(), mainForm.Txt_table->text(),
                                   state.settings.Path);
        });
        services.chooser = ownChooser.get();
    }
    if (!services.buildLikely)
        services.buildLikely = [] { build::JavacServer::instance()->expectBuild(); };
    if (!services.openUrl)
        services.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    mainForm = buildMainForm(this);
    sourceKeeper =
        new SourceKeeper(this, mainForm, workspaceState, *services.prompter, *services.chooser);
    buildRunner = new BuildRunner(this, state, mainForm, workspaceState, *services.prompter);
    wire();
    acceptFileDrops();
    wireKeys();
}

Frm_java::~Frm_java() = default;

void Frm_java::wire() {
    const MainForm &f = mainForm;
    connect(f.Txt_edit, &QsciScintilla::textChanged, this, &Frm_java::editorChanged);
    connect(f.Txt_table, &QLineEdit::textChanged, this, &Frm_java::directoryChanged);
    connect(f.Txt_file, &QLineEdit::textChanged, f.Txt_file, &QLineEdit::setToolTip);
    connect(f.Cmd_set, &QPushButton::clicked, this, &Frm_java::saveSettingsClicked);
    connect(f.Cmd_save, &QPushButton::clicked, sourceKeeper, &SourceKeeper::saveClicked);
    connect(f.Cmd_open, &QPushButton::clicked, sourceKeeper, &SourceKeeper::openClicked);
    connect(f.Cmd_end, &QPushButton::clicked, this, &Frm_java::exitClicked);
    connect(f.Cmd_byyx, &QPushButton::clicked, buildRunner, &BuildRunner::buildClicked);
    connect(f.Cmd_help, &QPushButton::clicked, this, &Frm_java::openHelp);
    connect(f.Cmd_about, &QPushButton::clicked, this, &Frm_java::openAbout);
    connect(f.Tim_color, &QTimer::timeout, this, [this] {
        mainForm.Cmd_save->setCaption(QStringLiteral("保存"));
        mainForm.Tim_color->stop();
    });
}

// The editor and the text fields take dropped text themselves; a dragged file
// must open instead of having its path typed in, so the window sees every
// drag first.
void Frm_java::acceptFileDrops() {
    setAcceptDrops(true);
    installEventFilter(this);
    watchFileDrops(this);
}

void Frm_java::watchFileDrops(QWidget *root) {
    for (QWidget *child : root->findChildren<QWidget *>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

bool Frm_java::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return fileDragged(static_cast<QDropEvent *>(event));
    default: return QWidget::eventFilter(watched, event);
    }
}

// Handles drags of local files (true); anything else goes on to the control
// under the pointer.
bool Frm_java::fileDragged(QDropEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!namesLocalFiles(urls))
        return false;
    const std::optional<QString> file = droppedSourceFile(urls);
    if (!file) {
        event->ignore();
        return true;
    }
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // Asking "保存确认" inside the drop would keep the file manager
        // waiting for the drag to end; ask once it has.
        QMetaObject::invokeMethod(
            this, [this, path = *file] { sourceKeeper->openFile(path); }, Qt::QueuedConnection);
    }
    return true;
}

void Frm_java::load() {
    mainForm.Txt_table->setText(state.settings.Path);
    // A folder of another system was shown as the default one: offer to store it.
    mainForm.Cmd_set->setEnabled(state.pathMapped);
    workspaceState.Saved = true;
    workspaceState.DirInvalid = false;
    state.run = RunValues{};
    applyLayout();
}

void Frm_java::showAtStart() {
    load();
    show();
}

void Frm_java::openAtStart(const QString &file) {
    readingOnly = true;
    sourceKeeper->openFile(file);
    readingOnly = false;
}

void Frm_java::applyLayout() {
    const QSizeF screen = screenSizeTwips(this);
    const MainLayout layout = ResizeInit(screen, state.settings.Mode);
    placeControls(mainForm, layout);
    fitFontsToLayout(mainForm, fontScale(screen));
    shrinkToFit(mainForm.Txt_backname);
    fitBanner(mainForm.Pic_sky);
    // The lowest control must stay visible whatever frame the window manager draws.
    const QRectF lowest = layout[MainControl::Fra_set];
    sizeAndPlaceWindow(this, layout.window, QSizeF(0, lowest.bottom()));
}

void Frm_java::editorChanged() {
    // The editor's own UTF-8 buffer, read in place.
    ClassScan scan = classScanner.scan(editorView(mainForm.Txt_edit));
    mainForm.Txt_file->setText(scan.fileName);
    // A name longer than the field shows its beginning; the whole name is the tooltip.
    mainForm.Txt_file->setCursorPosition(0);
    workspaceState.ClassCount = scan.ClassCount;
    workspaceState.ClassNames = std::move(scan.ClassNames);
    workspaceState.Saved = false;
    if (!readingOnly)
        services.buildLikely();
}

void Frm_java::directoryChanged() {
    workspaceState.DirInvalid = !platform::directoryTextUsable(mainForm.Txt_table->text());
    mainForm.Cmd_set->setEnabled(true);
}

void Frm_java::saveSettingsClicked() {
    qm::storeDirectory(state.programDir, state.settings, mainForm.Txt_table->text());
    state.pathMapped = false;
    mainForm.Cmd_set->setEnabled(false);
}

void Frm_java::exitClicked() {
    if (!sourceKeeper->mayLeave())
        return;
    workspaceState.Saved = true;
    closeSecondaryWindows();
    close();
}

void Frm_java::closeEvent(QCloseEvent *event) {
    if (!sourceKeeper->mayLeave()) {
        event->ignore();
        return;
    }
    closeSecondaryWindows();
    // The program is quitting; a build still waiting for its console must
    // not start the warm javac when it returns.
    build::JavacServer::instance()->shutDown();
    event->accept();
}

void Frm_java::closeSecondaryWindows() {
    for (const QPointer<QWidget> &window : {helpWindow, aboutWindow}) {
        if (window)
            window->close();
    }
}

} // namespace qm
