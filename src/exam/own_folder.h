#pragma once
// Folders of the user's own, where no classmate can write: what must not be
// taken from the shared results folder on trust lives there. The state folder
// ($XDG_STATE_HOME/vorn-player, ~/.local/state/vorn-player) keeps the
// journal's key and the last good copy of each journal; the runtime folder
// ($XDG_RUNTIME_DIR/vorn-player, this machine's own, emptied at logout)
// keeps the locks. Each is made 0700 where missing, and refused unless it is
// a folder (not a link) of this account's own that no one else may write.

#include <QString>
#include <variant>

namespace vorn {

struct OwnFolderProblem {
    QString why; // Bulgarian, naming the folder
};

std::variant<QString, OwnFolderProblem> OwnStateFolder();
// The state folder where the machine has no private runtime folder.
std::variant<QString, OwnFolderProblem> OwnRuntimeFolder();

} // namespace vorn
