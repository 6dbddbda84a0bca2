// Why a build was refused, as the message box "编译+运行" tells it: what is
// wrong, and what the user can do about it.
#include "build/comp.h"

namespace qm::build {

namespace {

const QString kNothingRan = QStringLiteral("\n程序未编译，也未运行。");

QString chooseAnotherFolder() {
    return QStringLiteral("请在“目录”中选择你自己的文件夹（例如主目录下的文件夹），"
                          "点击“保存设置”后再编译。");
}

QString folderText(const BuildResult &result) {
    switch (result.outcome) {
    case BuildOutcome::UnnamableFolder:
        return QStringLiteral("设置的目录含有控制字符，系统无法用它作文件夹名。\n");
    case BuildOutcome::FolderTooLong:
        return QStringLiteral("编译文件夹“%1”的路径太长，超出了系统允许的长度。\n")
            .arg(result.problem);
    case BuildOutcome::FolderNotMade:
        return QStringLiteral("无法创建编译文件夹“%1”（没有权限，或磁盘只读）。\n")
            .arg(result.problem);
    case BuildOutcome::ForeignFolder:
        return QStringLiteral("文件夹“%1”属于其他用户。编译时对方可以在其中换入自己的文件，"
                              "以你的身份运行。\n")
            .arg(result.problem);
    case BuildOutcome::OpenFolder:
        return QStringLiteral("其他用户也能写入文件夹“%1”。编译时他们可以在其中换入自己的文件，"
                              "以你的身份运行。\n")
            .arg(result.problem);
    default: return {};
    }
}

} // namespace

QString refusalText(const BuildResult &result) {
    switch (result.outcome) {
    case BuildOutcome::Ran:
    case BuildOutcome::NotStarted: return {};
    case BuildOutcome::NoTerminal: return noTerminalText();
    case BuildOutcome::UnsafeName: return unusableNameText();
    case BuildOutcome::NotWritten:
        return QStringLiteral("无法完整写入编译所需的文件“%1”（磁盘已满，或文件夹只读）。\n"
                              "请腾出磁盘空间后再编译。")
                   .arg(result.problem) +
               kNothingRan;
    default: return folderText(result) + chooseAnotherFolder() + kNothingRan;
    }
}

} // namespace qm::build
