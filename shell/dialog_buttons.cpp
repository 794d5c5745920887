#include "shell/dialog_buttons.h"

#include <QBoxLayout>
#include <QPushButton>

#include "shell/screen_fit.h"

namespace finplan {

void addDialogButtons(QDialog& dialog, QBoxLayout& layout, std::function<bool()> accept,
                      std::function<void()> help) {
    auto* row = new QHBoxLayout;
    row->setObjectName(kButtonRowName); // stays in sight when the fields scroll
    row->addStretch();
    auto button = [&](const char* text) {
        auto* b = new QPushButton(text, &dialog);
        b->setObjectName(text);
        row->addWidget(b);
        return b;
    };
    QPushButton* ok = button("OK");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog, accept] {
        if (!accept || accept()) dialog.accept();
    });
    QObject::connect(button("Cancel"), &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(button("Help"), &QPushButton::clicked, &dialog, [help] {
        if (help) help();
    });
    layout.addLayout(row);
}

} // namespace finplan
