#pragma once
// What the golden traces record and replay: a run's bank made from its number,
// the events a user can send, and the visible state of the window as flat
// "property=value" pairs. A hidden control shows only that it is hidden.

#include "bank/bank_content.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

namespace vorn::golden {

enum class EventKind { Option, Command1, Command2, Author };

struct Event {
    EventKind kind;
    int index;
};

// "E Option1 2 +": the event and whether it reached the model (+) or was
// refused at the gate (-).
QString EventLine(const Event& event, bool delivered);
std::optional<Event> ParseEventLine(const QString& line);

using VisibleState = std::map<QString, QString>;

// "K name=value" for every property that is new or changed, "D name" for
// every one that went away.
QString DiffLines(const VisibleState& before, const VisibleState& after);

// The bank of run `run`: the shipped test every ninth run, else a made-up
// bank whose shape and content come from the seed.
BankContent BankOfRun(int run, std::uint32_t seed);

// A started run over that bank, seeded with `seed`.
class Player {
public:
    Player(int run, std::uint32_t seed);
    ~Player();
    // Through the same gate as the window's input; true if it was delivered.
    bool apply(const Event& event);
    VisibleState state() const;

private:
    struct Pieces;
    std::unique_ptr<Pieces> parts_;
};

} // namespace vorn::golden
