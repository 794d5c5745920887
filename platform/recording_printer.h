// Headless Printer for tests: answers its dialogs from what it was given, draws every
// page on a recording surface and keeps the calls in order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/printer.h"

namespace finplan {

// Surface is the recording surface type (the graphs layer's RecordingSurface).
template <class RecordingSurfaceType> class RecordingPrinter : public Printer {
  public:
    std::optional<PrintChoice> choice = PrintChoice{1}; // nothing: the dialog is cancelled
    std::optional<PageSetupMargins> margins = PageSetupMargins{};
    PrinterDevice dev{2400, 3000, 300, 300};
    int abortAfterPages = -1; // Abort is pressed once this many pages were started
    bool failPage = false;    // beginPage() fails
    bool failFinish = false;  // the output cannot be written

    std::vector<std::string> calls;
    std::vector<std::string> progress;
    std::vector<std::unique_ptr<RecordingSurfaceType>> pages;
    bool kept = false;

    std::optional<PrintChoice> printDialog() override {
        calls.push_back("printDialog");
        return choice;
    }
    std::optional<PageSetupMargins> pageSetupDialog() override {
        calls.push_back("pageSetupDialog");
        return margins;
    }
    PrinterDevice device() const override { return dev; }
    bool beginDocument(const std::string& name) override {
        calls.push_back("beginDocument " + name);
        return true;
    }
    Surface* beginPage() override {
        calls.push_back("beginPage");
        if (failPage) return nullptr;
        pages.push_back(std::make_unique<RecordingSurfaceType>());
        return pages.back().get();
    }
    bool endPage() override {
        calls.push_back("endPage");
        return true;
    }
    bool endDocument() override {
        calls.push_back("endDocument");
        return true;
    }
    void abortDocument() override { calls.push_back("abortDocument"); }
    bool finish(bool keep) override {
        calls.push_back(keep ? "finish keep" : "finish discard");
        kept = keep && !failFinish;
        return !(keep && failFinish);
    }
    std::string failure() const override {
        return failFinish ? "Cannot open out.pdf for writing!" : "";
    }
    void showProgress(const std::string& text) override { progress.push_back(text); }
    bool keepPrinting() override {
        return abortAfterPages < 0 || static_cast<int>(pages.size()) < abortAfterPages;
    }
    void closeProgress() override { calls.push_back("closeProgress"); }
};

} // namespace finplan
