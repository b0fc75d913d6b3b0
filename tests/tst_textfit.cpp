#include "MainForm.h"
#include "TextFit.h"

#include <QtTest>

// Every text of the main window reads whole in the window font, at the sizes
// of the layout (which the shell test holds every control to), so no caption
// runs into its neighbour.
class TestTextFit : public QObject {
  Q_OBJECT

private slots:
  void TextsFitTheirControls_data();
  void TextsFitTheirControls();
};

void TestTextFit::TextsFitTheirControls_data()
{
  QTest::addColumn<int>("needed");
  QTest::addColumn<int>("room");
  TRotantsForm form;
  const QList<TTextRoom> texts = WindowTexts(form);
  QVERIFY(texts.size() > 40);
  for (const TTextRoom &text : texts)
    QTest::newRow(qPrintable(text.What)) << text.Needed << text.Room;
}

void TestTextFit::TextsFitTheirControls()
{
  QFETCH(int, needed);
  QFETCH(int, room);
  QVERIFY2(needed <= room, qPrintable(QString("%1 pixels in %2").arg(needed).arg(room)));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
