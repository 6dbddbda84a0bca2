// Which encoding an opened file is read in, and what survives the decoding.
#include "platform/text_decoding.h"

#include <QStringEncoder>
#include <QtTest>

using namespace qm;

Q_DECLARE_METATYPE(qm::TextEncoding)

namespace {

QByteArray gbk(const QString &text) {
    QStringEncoder encode("GB18030");
    return encode(text);
}

const QString kChinese = QStringLiteral("public class 你好 {\n    // 编译器：输出中文\n}\n");

} // namespace

class TestTextDecoding : public QObject {
    Q_OBJECT
private slots:
    void census_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("multiByte");
        QTest::addColumn<int>("broken");
        QTest::newRow("ascii") << QByteArray("class A {}") << 0 << 0;
        QTest::newRow("two, three and four bytes")
            << QByteArray("\xC3\xA9\xE4\xBD\xA0\xF0\x9F\x98\x80") << 3 << 0;
        QTest::newRow("stray continuation bytes") << QByteArray("a\x80\xBF") << 0 << 2;
        QTest::newRow("overlong two bytes") << QByteArray("\xC0\x80") << 0 << 2;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\x80") << 0 << 1;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << 0 << 1;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 0 << 1;
        QTest::newRow("cut at the end") << QByteArray("x\xE4\xBD") << 0 << 1;
        QTest::newRow("lead byte before ascii") << QByteArray("\xE4x\xC3\xA9") << 1 << 1;
        QTest::newRow("bytes that never start a character") << QByteArray("\xF5\xFF\xFE") << 0 << 3;
    }

    void census() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, multiByte);
        QFETCH(int, broken);
        const Utf8Census c = utf8Census(bytes);
        QCOMPARE(c.multiByte, multiByte);
        QCOMPARE(c.broken, broken);
        // Whatever Qt's decoder reports as an error, the census sees too.
        QStringDecoder strict(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = strict(bytes);
        Q_UNUSED(decoded);
        QCOMPARE(strict.hasError(), broken > 0);
    }

    void choice_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("text"); // "" when only the choice matters
        const QByteArray utf8 = kChinese.toUtf8();
        // 0xC0 and the letter after it form a GB18030 pair, and so do the six
        // bytes of 你好: this file is valid GB18030 and not UTF-8, yet UTF-8 text.
        const QByteArray damagedUtf8 = "\xC0" + QStringLiteral("class 你好 {}").toUtf8();
        QByteArray damagedGbk = gbk(kChinese);
        damagedGbk.insert(damagedGbk.indexOf("//") + 3, "\xFF");
        QTest::newRow("ascii") << QByteArray("class A {}") << TextEncoding::Utf8 << "class A {}";
        QTest::newRow("utf-8") << utf8 << TextEncoding::Utf8 << kChinese;
        QTest::newRow("gbk from Windows") << gbk(kChinese) << TextEncoding::Gb18030 << kChinese;
        QTest::newRow("gb18030 four-byte euro") << gbk("€ 𠀀") << TextEncoding::Gb18030 << "€ 𠀀";
        QTest::newRow("utf-8 with one bad byte stays utf-8")
            << damagedUtf8 << TextEncoding::Utf8
            << QChar(QChar::ReplacementCharacter) + QStringLiteral("class 你好 {}");
        QTest::newRow("gbk with one bad byte stays gbk")
            << damagedGbk << TextEncoding::Gb18030
            << QString(kChinese).insert(kChinese.indexOf("//") + 3, QChar::ReplacementCharacter);
        QTest::newRow("nul kept") << QByteArray("a\0b", 3) << TextEncoding::Utf8
                                  << QString::fromUtf8(QByteArray("a\0b", 3));
        QTest::newRow("byte order mark dropped")
            << QByteArray("\xEF\xBB\xBFx") << TextEncoding::Utf8 << "x";
        QTest::newRow("binary junk: fewer undecodable bytes as utf-8")
            << QByteArray("\x7F\x45\x4C\x46\x02\x01\x01\x00\xFF\xFF\x80\x80", 12)
            << TextEncoding::Utf8 << "";
    }

    void choice() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, text);
        QCOMPARE(chooseEncoding(bytes), encoding);
        if (!text.isEmpty())
            QCOMPARE(decodeText(bytes), text);
    }

    void emptyFileIsEmptyText() { QCOMPARE(decodeText(QByteArray()), QString()); }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "test_text_decoding.moc"
