// Messages port shown as Qt message boxes.
#pragma once

#include "platform/messages.h"

class QWidget;

namespace finplan {

class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* theParent = nullptr) : parent_(theParent) {}
    void setParent(QWidget* p) { parent_ = p; }
    void show(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool ask(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer askOrCancel(const std::string& text, const std::string& title,
                       MessageIcon icon) override;

  private:
    QWidget* parent_;
};

} // namespace finplan
