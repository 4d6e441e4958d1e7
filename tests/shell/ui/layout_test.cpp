// The main window's layout from the screen size, the dialog filters in Qt's form, and the
// lines of a memo.
#include <QPlainTextEdit>
#include <QTest>

#include "shell/main_window_layout.h"
#include "shell/ui/memo_lines.h"
#include "shell/ui/qt_platform.h"
#include "shell/ui/ui_tests.h"

namespace {

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void ScreenOf1280x1024GivesTheDocumentedWindow() {
    const shell::MainWindowLayout l = shell::LayoutMainWindow(1280, 1024);
    QCOMPARE(l.FontSize, 11);
    QCOMPARE(l.WindowWidth, 1216);
    QCOMPARE(l.WindowHeight, 958);
    QCOMPARE(l.TabControlWidth, 660);
    QCOMPARE(l.TabControlHeight, 878);
    QCOMPARE(l.TabSheetHeight, 888);
    QCOMPARE(l.TabSheetWidth, 640);
    QCOMPARE(l.ComboBoxWidth, 230);  // 5 x round(958 / 21)
    QCOMPARE(l.ListBoxFontSize, 10);
    QCOMPARE(l.ListBoxWidth, 660);
    QCOMPARE(l.ListBoxHeight, 878);
    QCOMPARE(l.TabControlLeft, 1216 - 660 - 20);
  }

  void FontSizeFollowsTheScreenWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("font");
    QTest::newRow("800: s 7") << 800 << 6;
    QTest::newRow("660: s 6") << 660 << 6;
    QTest::newRow("600: s 5, outside the table") << 600 << 10;
    QTest::newRow("880: s 8") << 880 << 8;
    QTest::newRow("990: s 9") << 990 << 9;
    QTest::newRow("1100: s 10") << 1100 << 10;
    QTest::newRow("1650: s 15") << 1650 << 11;
    QTest::newRow("1920: s 17") << 1920 << 12;
    QTest::newRow("2090: s 19") << 2090 << 12;
    QTest::newRow("2560: s 23") << 2560 << 10;
    QTest::newRow("935: s 8.5 rounds to the even 8") << 935 << 8;
    QTest::newRow("1155: s 10.5 rounds to the even 10") << 1155 << 10;
  }
  void FontSizeFollowsTheScreenWidth() {
    QFETCH(int, width);
    QFETCH(int, font);
    QCOMPARE(shell::MainWindowFontSize(width), font);
    QCOMPARE(shell::LayoutMainWindow(width, 768).WindowHeight, 768 - 6 * font);
  }

  void DialogFiltersInQtForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("text and all") << "Text files (*.txt)|*.txt|All files (*.*)|*.*"
                                  << "Text files (*.txt);;All files (*)";
    QTest::newRow("text only") << "Text files (*.txt)|*.txt" << "Text files (*.txt)";
    QTest::newRow("no pattern in the description") << "PostScript viewer (gv)|gv|All files (*)|*"
                                                    << "PostScript viewer (gv);;All files (*)";
    QTest::newRow("several patterns") << "Lists|*.txt;*.lst" << "Lists (*.txt *.lst)";
  }
  void DialogFiltersInQtForm() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(shell::ui::QtFileFilter(filter.toStdString()), qt);
  }

  void MemoLinesKeepEveryLineButNoPhantomLast() {
    QPlainTextEdit memo;
    QCOMPARE(shell::ui::MemoLines(memo).size(), std::size_t{0});
    memo.setPlainText("a\n\nb\n");
    QCOMPARE(shell::ui::MemoLines(memo), (std::vector<std::string>{"a", "", "b"}));
    memo.setPlainText("\n");
    QCOMPARE(shell::ui::MemoLines(memo), (std::vector<std::string>{""}));
    shell::ui::SetMemoLines(memo, {"Вопрос 1", "  два  "});
    QCOMPARE(shell::ui::MemoLines(memo), (std::vector<std::string>{"Вопрос 1", "  два  "}));
  }
};

}  // namespace

int RunLayoutTests(int argc, char** argv) {
  LayoutTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "layout_test.moc"
