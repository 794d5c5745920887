// What the account commands ask of the window: the Account Information and Groups
// dialogs shown over their presenters. Each returns true when the dialog ended with
// an OK that its presenter accepted.
#pragma once

namespace finplan {

class AccountInfoPresenter;
class GroupsPresenter;

class AccountDialogs {
  public:
    virtual ~AccountDialogs() = default;
    virtual bool showAccountInfo(AccountInfoPresenter&) { return false; }
    virtual bool showGroups(GroupsPresenter&) { return false; }
};

} // namespace finplan
