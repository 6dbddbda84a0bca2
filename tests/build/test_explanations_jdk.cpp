// Every key of the explanation table is real: javac 17's English and Chinese
// catalogues hold its message exactly as the table quotes it, every exception
// is a class of the JDK that can be thrown, and the one message the table
// names is the JVM's own.
#include "build/explanations.h"
#include "requirements.h"

#include <QHash>
#include <QProcess>
#include <QTest>

using namespace qm::build;

namespace {

// kind + '\t' + key -> text, as JavacCatalogue.java prints them.
QHash<QString, QString> catalogue(const QStringList &keys) {
    QProcess java;
    java.start("java",
               QStringList{"--add-exports",
                           "jdk.compiler/com.sun.tools.javac.resources=ALL-UNNAMED", "--add-opens",
                           "jdk.compiler/com.sun.tools.javac.resources=ALL-UNNAMED",
                           QStringLiteral(QM_TEST_DIR "/JavacCatalogue.java")} +
                   keys);
    java.waitForFinished(120000);
    QHash<QString, QString> said;
    for (const QString &line : QString::fromUtf8(java.readAllStandardOutput()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 3)
            said.insert(fields[0] + '\t' + fields[1], fields[2]);
    }
    return said;
}

// "a/b": the message of b fills the {0} of a.
QString messageOf(const QHash<QString, QString> &said, const QString &language,
                  const QString &key) {
    const QStringList parts = key.split('/');
    QString text = said.value(language + '\t' + parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i)
        text.replace("{0}", said.value(language + '\t' + parts[i]));
    return text;
}

} // namespace

class TestExplanationsJdk : public QObject {
    Q_OBJECT

private slots:
    void everyKeyIsJavacsOrTheJvms() {
        QM_REQUIRE(qm::testing::missingTools({"java"}));
        QVERIFY(!explanations().isEmpty());
        QStringList keys;
        for (const Explanation &entry : explanations())
            keys << entry.key.split('/');
        const QHash<QString, QString> said = catalogue(keys);
        QVERIFY2(!said.isEmpty(), "JavacCatalogue.java printed nothing");
        for (const Explanation &entry : explanations()) {
            if (entry.isException()) {
                QCOMPARE(said.value("class\t" + entry.key), QStringLiteral("yes"));
                if (!entry.english.isEmpty())
                    QCOMPARE(said.value("message\t" + entry.key), entry.english);
                continue;
            }
            QCOMPARE(entry.english, messageOf(said, "en", entry.key));
            QCOMPARE(entry.chinese, messageOf(said, "zh", entry.key));
        }
    }
};

QTEST_GUILESS_MAIN(TestExplanationsJdk)
#include "test_explanations_jdk.moc"
