// The printer on Qt: no page reaches the printer before its document ends, so Abort and
// a failed page send nothing (a job handed to the printer cannot be called back), and
// Escape or the close button of the "Abort..." window stop the print as Abort does.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/qt_printer.h"

using namespace finplan;

class QtPrinterTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void anAbortedDocumentNeverReachesThePrinter();
    void keptDocumentsPrintEveryPage();
    void escapeAndTheCloseButtonAbort();

  private:
    // A job on a PDF printer writing into dir; `raw` watches the printer.
    void start(QtPrinter& printer, const QTemporaryDir& dir, int copies, QPrinter*& raw) {
        auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
        chosen->setOutputFormat(QPrinter::PdfFormat);
        chosen->setOutputFileName(dir.filePath("out.pdf"));
        raw = chosen.get();
        QVERIFY(printer.startJob(std::move(chosen), copies));
    }
    static void drawPage(QtPrinter& printer, const char* text) {
        Surface* page = printer.beginPage();
        QVERIFY(page);
        page->setFont(FontSpec{"", 60, false, true});
        page->text(Point{0, page->metrics().lineHeight()}, text, Color{}, TextAlign::Left,
                   std::nullopt);
        QVERIFY(printer.endPage());
    }
    static QDialog* abortWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "abortDialog" && w->isVisible())
                return qobject_cast<QDialog*>(w);
        return nullptr;
    }
};

void QtPrinterTest::anAbortedDocumentNeverReachesThePrinter() {
    QTemporaryDir dir;
    QtPrinter printer([] { return nullptr; });
    QPrinter* raw = nullptr;
    start(printer, dir, 1, raw);
    QVERIFY(printer.beginDocument("Printing Schedule"));
    drawPage(printer, "page 1");
    drawPage(printer, "page 2");
    // Drawn, but nothing of it on the printer while the document goes on.
    QVERIFY(raw->printerState() != QPrinter::Active);
    printer.abortDocument();
    QVERIFY(raw->printerState() != QPrinter::Active);
    QVERIFY(printer.finish(false));
    QVERIFY(!QFile::exists(dir.filePath("out.pdf")));
}

void QtPrinterTest::keptDocumentsPrintEveryPage() {
    QTemporaryDir dir;
    QtPrinter printer([] { return nullptr; });
    QPrinter* raw = nullptr;
    start(printer, dir, 2, raw);
    for (int copy = 0; copy < 2; ++copy) {
        QVERIFY(printer.beginDocument("Printing Schedule"));
        drawPage(printer, "page 1");
        drawPage(printer, "page 2");
        QVERIFY(printer.endDocument());
    }
    QVERIFY(printer.finish(true));
    QFile out(dir.filePath("out.pdf"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray pdf = out.readAll();
    static const QRegularExpression page("/Type\\s*/Page[^s]");
    QCOMPARE(QString::fromLatin1(pdf).count(page), 4); // both copies in the one file
}

void QtPrinterTest::escapeAndTheCloseButtonAbort() {
    QtPrinter printer([] { return nullptr; });
    printer.showProgress("   Now printing Page 1 of 2.....");
    QVERIFY(printer.keepPrinting());
    QDialog* window = abortWindow();
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!printer.keepPrinting());
    printer.closeProgress();

    printer.showProgress("   Now printing Page 1 of 2.....");
    QVERIFY(printer.keepPrinting());
    window = abortWindow();
    QVERIFY(window);
    window->close();
    QVERIFY(!printer.keepPrinting());
    printer.closeProgress();
}

QTEST_MAIN(QtPrinterTest)
#include "qt_printer_test.moc"
