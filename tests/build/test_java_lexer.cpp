// Java's tokens as javac reads them, and how text still being typed is read.

#include "build/java_lexer.h"

#include <QTest>

using namespace qm::build;

namespace {

// The tokens, each as its kind's letter and its text: W word, S symbol,
// L literal; separated by spaces.
QString tokensOf(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    JavaLexer lexer(utf8);
    QStringList tokens;
    for (JavaToken token = lexer.next(); token.kind != TokenKind::End; token = lexer.next()) {
        const char kind = token.kind == TokenKind::Word     ? 'W'
                          : token.kind == TokenKind::Symbol ? 'S'
                                                            : 'L';
        tokens << QLatin1Char(kind) + QString::fromUtf8(token.text);
    }
    return tokens.join(QLatin1Char(' '));
}

} // namespace

class TestJavaLexer : public QObject {
    Q_OBJECT

private slots:
    void tokens_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tokens");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("declaration") << "public class A{}"
                                     << "Wpublic Wclass WA S{ S}";
        QTest::newRow("words with digits, $ and _") << "$a_1 b2"
                                                    << "W$a_1 Wb2";
        QTest::newRow("comments") << "a // class B\nb /* class C */ c /** d */"
                                  << "Wa Wb Wc";
        QTest::newRow("comment closed at once") << "/**/a"
                                                << "Wa";
        QTest::newRow("slash alone") << "a / b"
                                     << "Wa S/ Wb";
        QTest::newRow("string with escapes") << "s = \"a \\\" class { \\\\\";"
                                             << "Ws S= L\"a \\\" class { \\\\\" S;";
        QTest::newRow("character literals") << "'{' '\\'' '\"'"
                                            << "L'{' L'\\'' L'\"'";
        QTest::newRow("text block") << "\"\"\"\n  class A {\n  \\\"\"\" \"\" \"\"\"x"
                                    << "L\"\"\"\n  class A {\n  \\\"\"\" \"\" \"\"\" Wx";
        QTest::newRow("numbers") << "1.5e3 0x1F .5 1_000L"
                                 << "L1.5e3 L0x1F L.5 L1_000L";
        QTest::newRow("dots") << "a.b String... c"
                              << "Wa S. Wb WString S... Wc";
        QTest::newRow("Chinese words")
            << QStringLiteral("成绩单 等级1") << QStringLiteral("W成绩单 W等级1");
        QTest::newRow("supplementary letters and combining marks")
            << QStringLiteral("\U00020000x Cafe\u0301")
            << QStringLiteral("W\U00020000x WCafe\u0301");
        QTest::newRow("full-width punctuation is no word")
            << QStringLiteral("学生（一）") << QStringLiteral("W学生 S（ W一 S）");
        QTest::newRow("ideographic space is no white space")
            << QStringLiteral("a\u3000b") << QStringLiteral("Wa S\u3000 Wb");
        QTest::newRow("byte-order mark") << QStringLiteral("\ufeffpackage a;") << "Wpackage Wa S;";
        QTest::newRow("CR alone ends a line comment") << "// a\rb"
                                                      << "Wb";
        // Left open while typing.
        QTest::newRow("string ends at its line") << "\"class A {\nb"
                                                 << "L\"class A { Wb";
        QTest::newRow("string ends at a CR") << "\"a\rb"
                                             << "L\"a Wb";
        QTest::newRow("backslash before the line end") << "\"a\\\nb"
                                                       << "L\"a\\ Wb";
        QTest::newRow("character literal ends at its line") << "'{\nb"
                                                            << "L'{ Wb";
        QTest::newRow("block comment ends at its line") << "a /* class B {\nc"
                                                        << "Wa Wc";
        QTest::newRow("with its lines of stars") << "/** doc\n * class B {\n  *\nc * d\n* e"
                                                 << "Wc S* Wd";
        QTest::newRow("closed comments keep stars code") << "/* a */\n* b"
                                                         << "S* Wb";
        QTest::newRow("text block ends at its line") << "\"\"\"\nclass A"
                                                     << "L\"\"\" Wclass WA";
        QTest::newRow("replacement character")
            << QString::fromLatin1("a") + QChar(0xFFFD) + "b" << QStringLiteral("Wa S\uFFFD Wb");
    }

    void tokens() {
        QFETCH(QString, text);
        QFETCH(QString, tokens);
        QCOMPARE(tokensOf(text), tokens);
    }

    void invalidBytesAreSymbolsOfOneByte() {
        // An overlong form, a surrogate, a lead byte beyond Unicode.
        const QByteArray bytes("a\xC0\x80\xED\xA0\x80\xF5z", 8);
        JavaLexer lexer(bytes);
        QVERIFY(lexer.next().isWord("a"));
        for (int i = 0; i < 6; ++i) {
            const JavaToken token = lexer.next();
            QCOMPARE(token.kind, TokenKind::Symbol);
            QCOMPARE(token.text.size(), 1);
        }
        QVERIFY(lexer.next().isWord("z"));
        QCOMPARE(lexer.next().kind, TokenKind::End);
    }
};

QTEST_APPLESS_MAIN(TestJavaLexer)
#include "test_java_lexer.moc"
