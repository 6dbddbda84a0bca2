#include "build/console_texts.h"

namespace qm::build {

QString compilingLine() {
    return QStringLiteral("------------编译中...------------");
}

QString compiledLine() {
    return QStringLiteral("----------编译+运行完成----------");
}

QString compileFailedLine() {
    return QStringLiteral("----------编译失败，程序未运行----------");
}

QString pressAnyKey() {
    return QStringLiteral("请按任意键继续. . .");
}

QString stopHintLine() {
    return QStringLiteral("（程序运行中按 Ctrl+C 可以结束它）");
}

QString runEndedLine(const QString &status, const QString &seconds) {
    return QStringLiteral("----------运行结束，退出代码 %1，用时 %2 秒----------")
        .arg(status, seconds);
}

QString runEndedWithoutTime(const QString &status) {
    return QStringLiteral("----------运行结束，退出代码 %1----------").arg(status);
}

QString consoleTitle(const QString &programName) {
    const QString name = programName.isEmpty() ? QStringLiteral("Java程序") : programName;
    return QStringLiteral("运行 %1 — QuillmossJava编译器").arg(name);
}

QString noAppletViewer() {
    return QStringLiteral("未找到 appletviewer：JDK 11 起不再提供小程序查看器。");
}

} // namespace qm::build
