#include "config/number_conversions.h"

#include <QtTest>

class TestNumberConversions : public QObject {
    Q_OBJECT
private slots:
    void parseNumber_data();
    void parseNumber();
    void toInt16_data();
    void toInt16();
    void formatSigned_data();
    void formatSigned();
    void formatPlain_data();
    void formatPlain();
};

void TestNumberConversions::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("blank before digit") << " 5" << 5.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blank inside number") << "1 2" << 12.0;
    QTest::newRow("tab and line feed skipped") << "\t1\n3" << 13.0;
    QTest::newRow("carriage return stops") << "1\r3" << 1.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("point is decimal") << "2.5" << 2.5;
    QTest::newRow("comma is not decimal") << "2,5" << 2.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent D with sign") << "15D-1" << 1.5;
    QTest::newRow("exponent without digits ignored") << "4e" << 4.0;
    QTest::newRow("huge exponent") << "1e300" << 1e300;
    QTest::newRow("beyond double range") << "1E999" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative beyond double range") << "-1D999" << -std::numeric_limits<double>::infinity();
    QTest::newRow("too small is zero") << "1e-999" << 0.0;
    QTest::newRow("too small with a capital E is zero") << "1E-999" << 0.0;
    QTest::newRow("hexadecimal") << "&H1B" << 27.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("hexadecimal 16 bits") << "&HFFFF" << 65535.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("second sign stops") << "5-3" << 5.0;
    QTest::newRow("NUL stops") << QString::fromLatin1("7\0008", 3) << 7.0;
}

void TestNumberConversions::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ParseNumber(text), expected);
}

void TestNumberConversions::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("two and a half to even") << 2.5 << true << 2;
    QTest::newRow("three and a half to even") << 3.5 << true << 4;
    QTest::newRow("minus two and a half") << -2.5 << true << -2;
    QTest::newRow("2.51 rounds up") << 2.51 << true << 3;
    QTest::newRow("upper bound") << 32767.0 << true << 32767;
    QTest::newRow("lower bound") << -32768.0 << true << -32768;
    QTest::newRow("rounds onto upper bound") << 32767.4 << true << 32767;
    QTest::newRow("40000 overflows") << 40000.0 << false << 0;
    QTest::newRow("-40000 overflows") << -40000.0 << false << 0;
    QTest::newRow("32767.5 rounds past the bound") << 32767.5 << false << 0;
    QTest::newRow("1e300 overflows") << 1e300 << false << 0;
    QTest::newRow("infinity overflows") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("NaN overflows") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestNumberConversions::toInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const auto result = ToInt16(value);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(int(*result), expected);
}

void TestNumberConversions::formatSigned_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero has a blank") << qint64(0) << " 0";
    QTest::newRow("hundred") << qint64(100) << " 100";
    QTest::newRow("negative has no blank") << qint64(-3) << "-3";
    QTest::newRow("64") << qint64(64) << " 64";
}

void TestNumberConversions::formatSigned()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatSigned(value), expected);
}

void TestNumberConversions::formatPlain_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("integral") << 55.0 << "55";
    QTest::newRow("negative") << -2.0 << "-2";
    QTest::newRow("fraction uses the system's decimal separator")
        << 2.5 << QStringLiteral("2") + QLocale::system().decimalPoint() + QStringLiteral("5");
}

void TestNumberConversions::formatPlain()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatPlain(value), expected);
}

QTEST_GUILESS_MAIN(TestNumberConversions)
#include "tst_number_conversions.moc"
