#pragma once
// What the configuration's work asks its user, one question a member: the
// dialog answers with a message box, a caller without a user with code.
#include <string>

#include "common/ItemPlace.h"
#include "common/MoveQuestions.h"

// The registry list a manager item without a recorded origin goes back to.
enum class RegistryChoice { Cancel, Run, UserRun, RunServices };

class ItemQuestions : public MoveQuestions {
public:
    // A program Orvane starts has put itself back where Windows starts it:
    // take it in again (its entry there goes), or pass it over?
    virtual bool AskTakeInAgain(const std::string& title, const ItemPlace& place) = 0;
    // Before count files, or registry values, are deleted.
    virtual bool ConfirmDeleteFiles(int count) = 0;
    virtual bool ConfirmDeleteValues(int count) = 0;
    virtual bool ConfirmRestoreAll() = 0;
    virtual RegistryChoice AskRegistryList(const std::string& name) = 0;
    // The runner's entry that an older version put into the machine's Run
    // key stays there (it takes an administrator to remove it): Windows may
    // start the runner twice.
    virtual void TellMachineEntryStays() = 0;
};
