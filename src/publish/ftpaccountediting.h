#pragma once

// The rules of the account panel of the upload window, apart from its controls: which
// account the five boxes are editing, and what "axali" (new), "Setana" (enter), "waSla"
// (delete) and "Cancel" do to the list. Nothing reaches the file before "OK", which saves
// the list (FtpAccounts::SaveAccountsFile).

#include "publish/ftpaccounts.h"

#include <array>

// The panel's boxes Text2(0..4): the account's fields with the password as typed.
using AccountBoxes = std::array<QString, kAccountFieldCount>;

class FtpAccountEditing
{
public:
    explicit FtpAccountEditing(FtpAccounts& accounts) : m_accounts(accounts) {}

    // Whether the boxes hold the account at the edit index, loaded by a click on the list.
    bool EditMode() const { return m_editMode; }

    // A click on list entry index: the boxes for that account, its password decoded (shown
    // empty when it does not decode). Nothing for an index outside the list.
    std::optional<AccountBoxes> selectAccount(int index);

    // "axali": the boxes for a new account.
    AccountBoxes newAccount();

    // "Setana": the boxes become an account line, replacing the account being edited or
    // else appended. A box that is empty or holds what a line cannot (the field separator,
    // a line break, a character without a byte) makes it do nothing. The boxes are to be
    // emptied afterwards unless nothing happened.
    struct Entered
    {
        enum Outcome { Nothing, Replaced, Appended } outcome = Nothing;
        int index = -1; // the list entry that changed or was added
    };
    Entered enterAccount(const AccountBoxes& boxes);

    // "waSla": deletes the account at selected; the result is the entry to select
    // afterwards (-1 when the list is now empty), selected without loading it: the boxes are
    // to be emptied. Nothing when selected names no entry.
    std::optional<int> deleteAccount(int selected);

    // "Cancel", or any other emptying of the boxes: they no longer hold an account.
    void cancelEditing() { m_editMode = false; }

private:
    FtpAccounts& m_accounts;
    bool m_editMode = false;
    int m_editIndex = 0;
};
