#include "workspace/main_window.h"

#include "settings/settings_file.h"
#include "startup/initialisation.h"
#include "startup/open_file_chooser.h"
#include "startup/platform.h"
#include "startup/prompter.h"
#include "startup/skin_button.h"
#include "startup/window_geometry.h"
#include "workspace/build_runner.h"
#include "workspace/class_scan.h"
#include "workspace/layout.h"
#include "workspace/source_keeper.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
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
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(field->text()) > room)
        font.setPointSize(font.pointSize() - 1);
    field->setFont(font);
}

// The banner keeps its proportions at the box's height; a narrower box
// shows its left part, where the name is.
void fitBanner(QLabel *box) {
    const QPixmap banner(QStringLiteral(":/quillmoss/banner.png"));
    const qreal ratio = box->devicePixelRatioF();
    QPixmap scaled = banner.scaledToHeight(qRound(box->height() * ratio), Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    box->setPixmap(scaled);
}

} // namespace

MainWindow::MainWindow(ProgramState &state, MainWindowServices services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_services(std::move(services)) {
    setObjectName(QStringLiteral("Frm_java"));
    setWindowTitle(QStringLiteral("QuillmossJava编译器 v1.05"));
    setWindowIcon(QIcon(QStringLiteral(":/quillmoss/icon.png")));
    if (!m_services.prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>();
        m_services.prompter = m_ownPrompter.get();
    }
    if (!m_services.chooser) {
        m_ownChooser = std::make_unique<DialogOpenFileChooser>();
        m_services.chooser = m_ownChooser.get();
    }
    if (!m_services.openUrl)
        m_services.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    m_form = buildMainForm(this);
    m_keeper =
        new SourceKeeper(this, m_form, m_workspace, *m_services.prompter, *m_services.chooser);
    m_builder = new BuildRunner(this, m_state, m_form, m_workspace, *m_services.prompter);
    wire();
    // Initialisation: the settings load and the first-start step.
    m_state.settings = initialiseSettings(m_state.programDir);
}

MainWindow::~MainWindow() = default;

void MainWindow::wire() {
    const MainForm &f = m_form;
    connect(f.Txt_edit, &QsciScintilla::textChanged, this, &MainWindow::editorChanged);
    connect(f.Txt_table, &QLineEdit::textChanged, this, &MainWindow::directoryChanged);
    connect(f.Cmd_set, &QPushButton::clicked, this, &MainWindow::storeDirectory);
    connect(f.Cmd_save, &QPushButton::clicked, m_keeper, &SourceKeeper::saveClicked);
    connect(f.Cmd_open, &QPushButton::clicked, m_keeper, &SourceKeeper::openClicked);
    connect(f.Cmd_end, &QPushButton::clicked, this, &MainWindow::exitClicked);
    connect(f.Cmd_byyx, &QPushButton::clicked, m_builder, &BuildRunner::Comp);
    connect(f.Cmd_help, &QPushButton::clicked, this, &MainWindow::openHelp);
    connect(f.Cmd_about, &QPushButton::clicked, this, &MainWindow::openAbout);
    connect(f.Tim_color, &QTimer::timeout, this, [this] {
        m_form.Cmd_save->setCaption(QStringLiteral("保存"));
        m_form.Tim_color->stop();
    });
}

void MainWindow::load() {
    m_form.Txt_table->setText(m_state.settings.Path);
    m_form.Cmd_set->setEnabled(false);
    m_workspace.Saved = true;
    m_workspace.DirInvalid = false;
    m_state.run = RunValues{};
    applyLayout();
}

void MainWindow::showAtStart() {
    load();
    show();
}

void MainWindow::applyLayout() {
    const MainLayout layout = ResizeInit(screenSizeTwips(this), m_state.settings.Mode);
    for (auto it = layout.controls.cbegin(); it != layout.controls.cend(); ++it) {
        if (auto *control = findChild<QWidget *>(it.key()))
            placeTwips(control, it.value());
    }
    shrinkToFit(m_form.Txt_backname);
    fitBanner(m_form.Pic_sky);
    // The lowest control must stay visible whatever frame the window manager draws.
    const QRectF lowest = layout["Fra_set"];
    sizeAndPlaceWindow(this, layout.window, QSizeF(0, lowest.bottom()));
}

void MainWindow::editorChanged() {
    QsciScintilla *editor = m_form.Txt_edit;
    // The editor's own UTF-8 buffer, read in place.
    const auto *bytes = static_cast<const char *>(
        editor->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const auto length = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    ClassScan scan = scanMainClassUtf8(QByteArrayView(bytes, length));
    m_form.Txt_file->setText(scan.fileName);
    m_workspace.ClassCount = scan.ClassCount;
    m_workspace.ClassNames = std::move(scan.ClassNames);
    m_workspace.Saved = false;
}

void MainWindow::directoryChanged() {
    m_workspace.DirInvalid = !platform::directoryTextUsable(m_form.Txt_table->text());
    m_form.Cmd_set->setEnabled(true);
}

void MainWindow::storeDirectory() {
    qm::storeDirectory(m_state.programDir, m_state.settings, m_form.Txt_table->text());
    m_form.Cmd_set->setEnabled(false);
}

void MainWindow::exitClicked() {
    if (!m_keeper->mayLeave())
        return;
    m_workspace.Saved = true;
    closeSecondaryWindows();
    close();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!m_keeper->mayLeave()) {
        event->ignore();
        return;
    }
    closeSecondaryWindows();
    event->accept();
}

void MainWindow::closeSecondaryWindows() {
    for (QPointer<QWidget> window : {m_help, m_about}) {
        if (window)
            window->close();
    }
}

} // namespace qm
