#include "HarmonicModel.h"
#include "NumberText.h"
#include "TestSupport.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct TFormat {
  int Precision;
  int Decimals;
};

// The three formats of the editor: magnitudes, editor angles, grid angles.
constexpr TFormat EditorFormats[] = {{7, 4}, {3, 1}, {6, 1}};

std::string ToStd(const QByteArray &bytes)
{
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// Half of the last kept unit: the largest rounding error FormatFixed may make.
double HalfUnit(double value, TFormat format)
{
  const double leadPower = value == 0.0 ? -format.Decimals : std::floor(std::log10(std::fabs(value)));
  const double unitPower = std::max(leadPower - format.Precision + 1, double(-format.Decimals));
  return 0.5 * std::pow(10.0, unitPower);
}

}  // namespace

class TestNumberText : public QObject {
  Q_OBJECT

private slots:
  void FormatFixedRounding_data();
  void FormatFixedRounding();
  void PresetCoefficientTexts_data();
  void PresetCoefficientTexts();
  void ReadsWellFormedNumbers_data();
  void ReadsWellFormedNumbers();
  void RejectsOtherTexts_data();
  void RejectsOtherTexts();
  void EditorTextsReadBack();
  void IndependentOfCommaLocale();
};

void TestNumberText::FormatFixedRounding_data()
{
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("precision");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("expected");

  QTest::newRow("magnitude 1.2732395") << 1.2732395 << 7 << 4 << "1.2732";
  QTest::newRow("magnitude 0.5") << 0.5 << 7 << 4 << "0.5000";
  QTest::newRow("magnitude 10") << 10.0 << 7 << 4 << "10.0000";
  QTest::newRow("magnitude 0") << 0.0 << 7 << 4 << "0.0000";
  QTest::newRow("magnitude 0.3183099") << 0.3183099 << 7 << 4 << "0.3183";
  QTest::newRow("edit angle 45") << 45.0 << 3 << 1 << "45.0";
  QTest::newRow("edit angle 12.345") << 12.345 << 3 << 1 << "12.3";
  QTest::newRow("edit angle 1.234") << 1.234 << 3 << 1 << "1.2";
  QTest::newRow("edit angle 123.45 keeps 3 digits") << 123.45 << 3 << 1 << "123.0";
  QTest::newRow("edit angle 180") << 180.0 << 3 << 1 << "180.0";
  QTest::newRow("edit angle -90") << -90.0 << 3 << 1 << "-90.0";
  QTest::newRow("edit angle 0") << 0.0 << 3 << 1 << "0.0";
  QTest::newRow("edit angle 99.96 carries") << 99.96 << 3 << 1 << "100.0";
  QTest::newRow("edit angle -179.5 rounds away") << -179.5 << 3 << 1 << "-180.0";
  // The double 123.45 is 123.4500000000000028..., just above the half.
  QTest::newRow("grid angle 123.45") << 123.45 << 6 << 1 << "123.5";
  QTest::newRow("grid angle -180") << -180.0 << 6 << 1 << "-180.0";
  QTest::newRow("grid angle 12.345") << 12.345 << 6 << 1 << "12.3";

  // Exact halves in binary round away from zero, where printf rounds to even.
  QTest::newRow("0.125 at D 2") << 0.125 << 7 << 2 << "0.13";
  QTest::newRow("-0.125 at D 2") << -0.125 << 7 << 2 << "-0.13";
  QTest::newRow("2.5 at D 0") << 2.5 << 7 << 0 << "3";
  QTest::newRow("-2.5 at D 0") << -2.5 << 7 << 0 << "-3";
  QTest::newRow("0.5 at D 0") << 0.5 << 7 << 0 << "1";
  // Decimal-looking halves just below the half as doubles round down.
  QTest::newRow("0.15 is below half") << 0.15 << 7 << 1 << "0.1";
  QTest::newRow("2.675 is below half") << 2.675 << 7 << 2 << "2.67";
  QTest::newRow("0.05 is above half") << 0.05 << 7 << 1 << "0.1";

  QTest::newRow("carry into a new digit") << 9.99995 << 7 << 4 << "10.0000";
  QTest::newRow("P cuts before D") << 1.23456789 << 3 << 4 << "1.2300";
  QTest::newRow("no minus on rounded zero") << -0.00004 << 7 << 4 << "0.0000";
  QTest::newRow("negative zero") << -0.0 << 7 << 4 << "0.0000";
  QTest::newRow("tiny negative rounds up") << -0.00005 << 7 << 4 << "-0.0001";
  QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << 7 << 4 << "0.0000";
  QTest::newRow("more decimals than digits") << 1e-5 << 7 << 12 << "0.000010000000";

  QTest::newRow("scientific 1234.5 at P 3") << 1234.5 << 3 << 1 << "1.23E+3";
  QTest::newRow("scientific -1234.5 at P 3") << -1234.5 << 3 << 1 << "-1.23E+3";
  QTest::newRow("scientific after carry") << 999.5 << 3 << 1 << "1.00E+3";
  QTest::newRow("scientific largest double") << 1.7976931348623157e308 << 7 << 4 << "1.797693E+308";
  QTest::newRow("scientific at P 1") << 95.0 << 1 << 1 << "1E+2";

  QTest::newRow("NaN as zero") << std::numeric_limits<double>::quiet_NaN() << 7 << 4 << "0.0000";
  QTest::newRow("infinity as zero") << Infinity << 3 << 1 << "0.0";
  QTest::newRow("-infinity as zero") << -Infinity << 6 << 1 << "0.0";
}

void TestNumberText::FormatFixedRounding()
{
  QFETCH(double, value);
  QFETCH(int, precision);
  QFETCH(int, decimals);
  QFETCH(QString, expected);
  QCOMPARE(QString::fromStdString(FormatFixed(value, precision, decimals)), expected);
}

void TestNumberText::PresetCoefficientTexts_data()
{
  using HarmonicMath::Pi;
  using HarmonicMath::Sinc;
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<QString>("magnitude");
  QTest::addColumn<QString>("angle");

  QTest::newRow("square 1") << Sinc(0.5) * 0.5 << 0.0 << "0.3183" << "0.0";
  QTest::newRow("square 2") << Sinc(1.0) * 0.5 << 0.0 << "0.0000" << "0.0";
  QTest::newRow("square 3") << Sinc(1.5) * 0.5 << 0.0 << "0.1061" << "180.0";
  QTest::newRow("rectangular pulse 0") << Sinc(0.0) * 0.1875 << 0.0 << "0.1875" << "0.0";
  QTest::newRow("rectangular pulse 1") << Sinc(0.25) * 0.1875 << 0.0 << "0.1688" << "0.0";
  QTest::newRow("rectangular pulse 2") << Sinc(0.5) * 0.1875 << 0.0 << "0.1194" << "0.0";
  QTest::newRow("rectangular pulse 3") << Sinc(0.75) * 0.1875 << 0.0 << "0.0563" << "0.0";
  QTest::newRow("rectangular pulse 4") << Sinc(1.0) * 0.1875 << 0.0 << "0.0000" << "0.0";
  QTest::newRow("bipolar pulse 1") << Sinc(0.25) * 0.375 << 0.0 << "0.3376" << "0.0";
  QTest::newRow("bipolar pulse 3") << Sinc(0.75) * 0.375 << 0.0 << "0.1125" << "0.0";
  QTest::newRow("triangle 1") << (Sinc(0.5) * Sinc(0.5) - Sinc(1.0)) * 0.75 << 0.0 << "0.3040" << "0.0";
  QTest::newRow("triangle 2") << (Sinc(1.0) * Sinc(1.0) - Sinc(2.0)) * 0.75 << 0.0 << "0.0000" << "0.0";
  QTest::newRow("triangle 3") << (Sinc(1.5) * Sinc(1.5) - Sinc(3.0)) * 0.75 << 0.0 << "0.0338" << "0.0";
  QTest::newRow("sawtooth 1") << 0.0 << std::cos(1 * Pi) * 0.75 / (1 * Pi) << "0.2387" << "-90.0";
  QTest::newRow("sawtooth 2") << 0.0 << std::cos(2 * Pi) * 0.75 / (2 * Pi) << "0.1194" << "90.0";
  QTest::newRow("sawtooth 3") << 0.0 << std::cos(3 * Pi) * 0.75 / (3 * Pi) << "0.0796" << "-90.0";
  QTest::newRow("rectified cosine 0") << (Sinc(-0.5) + Sinc(0.5)) * 0.375 << 0.0 << "0.4775" << "0.0";
  QTest::newRow("rectified cosine 1") << (Sinc(0.5) + Sinc(1.5)) * 0.375 << 0.0 << "0.1592" << "0.0";
  QTest::newRow("rectified cosine 2") << (Sinc(1.5) + Sinc(2.5)) * 0.375 << 0.0 << "0.0318" << "180.0";
  QTest::newRow("rectified cosine 3") << (Sinc(2.5) + Sinc(3.5)) * 0.375 << 0.0 << "0.0136" << "0.0";
  QTest::newRow("impulse train") << 0.02 << 0.0 << "0.0200" << "0.0";
}

// The texts the editor shows for preset coefficients, from the coefficient
// formulas through the polar conversion; the angle texts agree in the editor
// (P 3) and the grid (P 6) format for all of these.
void TestNumberText::PresetCoefficientTexts()
{
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(QString, magnitude);
  QFETCH(QString, angle);

  double m = 0.0;
  double a = 0.0;
  HarmonicMath::RectToPolar(re, im, m, a);
  QCOMPARE(QString::fromStdString(FormatFixed(m, 7, 4)), magnitude);
  QCOMPARE(QString::fromStdString(FormatFixed(a, 3, 1)), angle);
  QCOMPARE(QString::fromStdString(FormatFixed(a, 6, 1)), angle);
}

void TestNumberText::ReadsWellFormedNumbers_data()
{
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<double>("expected");

  QTest::newRow("plain") << QByteArray("1.5") << 1.5;
  QTest::newRow("cleared cell") << QByteArray("0.0") << 0.0;
  QTest::newRow("blanks around") << QByteArray(" \t-12.25\t ") << -12.25;
  QTest::newRow("plus sign") << QByteArray("+2") << 2.0;
  QTest::newRow("no integer digits") << QByteArray(".5") << 0.5;
  QTest::newRow("no fraction digits") << QByteArray("5.") << 5.0;
  QTest::newRow("exponent") << QByteArray("1e5") << 1e5;
  QTest::newRow("signed exponent") << QByteArray("-2.5E-3") << -2.5e-3;
  QTest::newRow("scientific text") << QByteArray("1.23E+3") << 1230.0;
  QTest::newRow("leading zeros") << QByteArray("000123.4500") << 123.45;
  QTest::newRow("minus zero is zero") << QByteArray("-0") << 0.0;
  QTest::newRow("overflow") << QByteArray("1e309") << Infinity;
  QTest::newRow("negative overflow") << QByteArray("-1e309") << -Infinity;
  QTest::newRow("overflow by rounding") << QByteArray("1.7976931348623159e308") << Infinity;
  QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << 1.7976931348623157e308;
  QTest::newRow("underflow") << QByteArray("1e-400") << 0.0;
  QTest::newRow("negative underflow") << QByteArray("-1e-400") << 0.0;
  QTest::newRow("subnormal") << QByteArray("4.9e-324") << 4.9406564584124654e-324;
  QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999") << Infinity;
  QTest::newRow("zero with huge exponent") << QByteArray("0e99999999999999999999") << 0.0;

  const QByteArray zeros(99990, '0');
  QTest::newRow("100k digits overflow") << "1" + zeros + "000000000" << Infinity;
  QTest::newRow("100k digits scaled back") << "1" + zeros + "e-99990" << 1.0;
  QTest::newRow("100k leading zeros") << zeros + "0000000042" << 42.0;
  QTest::newRow("100k fraction underflow") << "0." + zeros + "00000001" << 0.0;
  QTest::newRow("100k fraction scaled up") << "0." + zeros + "1e99995" << 1e4;
  QTest::newRow("100k digits tail below rounding") << "1." + zeros + "1" << 1.0;
}

void TestNumberText::ReadsWellFormedNumbers()
{
  QFETCH(QByteArray, text);
  QFETCH(double, expected);

  double value = -1.0;
  QVERIFY(ReadNumber(ToStd(text), value));
  QVERIFY2(value == expected, qPrintable(QString("read %1").arg(value, 0, 'g', 17)));
  QCOMPARE(std::signbit(value), std::signbit(expected));
}

void TestNumberText::RejectsOtherTexts_data()
{
  QTest::addColumn<QByteArray>("text");

  for (const char *text : {"", " \t ", "+", "-", ".", "-.", "+.e5", "e5", "1e", "1e+", "1e5.5",
                           "nan", "NaN", "inf", "-inf", "infinity", "0x10", "1,5", "1.5.2",
                           "1 2", "- 1", "1 e5", "1e 5", "1.5x", "abc", "12a", "--1", "+-1"})
    QTest::addRow("[%s]", text) << QByteArray(text);
  QTest::newRow("embedded NUL") << QByteArray("1\0" "2", 3);
  QTest::newRow("trailing NUL") << QByteArray("1\0", 2);
  QTest::newRow("newline") << QByteArray("1\n");
  QTest::newRow("carriage return") << QByteArray("\r1");
  QTest::newRow("no-break space") << QByteArray("1\xc2\xa0");
  QTest::newRow("Arabic-Indic one") << QByteArray("\xd9\xa1");
  QTest::newRow("fullwidth one") << QByteArray("\xef\xbc\x91");
  QTest::newRow("Latin-1 byte") << QByteArray("1\xb2");
  QTest::newRow("100k digits then garbage") << QByteArray(100000, '9') + "x";
  QTest::newRow("100k blanks") << QByteArray(100000, ' ');
}

void TestNumberText::RejectsOtherTexts()
{
  QFETCH(QByteArray, text);

  double value = 7.0;
  QVERIFY(!ReadNumber(ToStd(text), value));
  QCOMPARE(value, 7.0);
}

// Every text the editor writes must read back, to a value that is written the
// same way again and lies within half a kept unit of the original.
void TestNumberText::EditorTextsReadBack()
{
  std::mt19937 engine(20240611u);
  std::uniform_real_distribution<double> magnitudes(0.0, 10.0);
  std::uniform_real_distribution<double> angles(-180.0, 180.0);

  QList<double> values = {0.0, -0.0, 10.0, 180.0, -180.0, 123.45, -123.45, 99.95, 9.99995, 1e-7, -1e-7, 0.00005};
  for (int i = 0; i < 2000; ++i) {
    values << magnitudes(engine) << angles(engine);
    // Values a hair either side of a rounding half.
    const double half = (std::floor(angles(engine) * 10.0) + 0.5) / 10.0;
    values << std::nextafter(half, -Infinity) << half << std::nextafter(half, Infinity);
  }

  for (const TFormat format : EditorFormats) {
    for (double v : values) {
      const std::string text = FormatFixed(v, format.Precision, format.Decimals);
      double back = 0.0;
      QVERIFY2(ReadNumber(text, back), text.c_str());
      QCOMPARE(QString::fromStdString(FormatFixed(back, format.Precision, format.Decimals)),
               QString::fromStdString(text));
      QVERIFY2(std::fabs(back - v) <= HalfUnit(v, format) + 1e-12,
               qPrintable(QString("%1 written as %2").arg(v, 0, 'g', 17).arg(text.c_str())));
    }
  }
}

// Under a locale whose decimal separator is a comma the texts keep the point
// and texts with a point still read.
void TestNumberText::IndependentOfCommaLocale()
{
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char *commaLocale = SwitchToCommaLocale();
  if (!commaLocale) {
    std::setlocale(LC_ALL, previous.c_str());
    QSKIP("no locale with a decimal comma is installed");
  }

  const std::string written = FormatFixed(-1.2732395, 7, 4);
  const std::string scientific = FormatFixed(1234.5, 3, 1);
  double point = 0.0;
  double comma = 0.0;
  const bool pointRead = ReadNumber("12.5", point);
  const bool commaRead = ReadNumber("12,5", comma);
  std::setlocale(LC_ALL, previous.c_str());

  QCOMPARE(QString::fromStdString(written), QString("-1.2732"));
  QCOMPARE(QString::fromStdString(scientific), QString("1.23E+3"));
  QVERIFY(pointRead);
  QCOMPARE(point, 12.5);
  QVERIFY(!commaRead);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
