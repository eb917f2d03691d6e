// A second, independent account of the estimator for randomized sessions: its own watt tables,
// its own number text and its own sum, written from the rules rather than from the program's
// code. Given the selection of every selector and the tick of every box it says what every slot
// holds and what the estimate display shows; it also knows how user actions move that state.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace session {

struct Colour {
    int red, green, blue;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// What the user (and a test) can observe after any action.
struct ExpectedView {
    std::map<std::string, std::string> slotTexts; // by role name, all thirty
    std::string estimate;                         // Label4
    std::string shadow;                           // Labelshadow
    Colour loadBar;                               // Line1
    bool recommendation;                          // Labeldr enabled
};

class ReferenceModel {
public:
    ReferenceModel(); // the window right after start-up

    // The nineteen selectors and ten tick boxes, in a fixed order.
    static const std::vector<std::string>& selectorNames();
    static const std::vector<std::string>& boxNames();
    static const std::vector<std::string>& slotRoles();
    static const std::vector<std::string>& itemsOf(const std::string& selector);

    int selected(const std::string& selector) const { return selected_.at(selector); }
    bool ticked(const std::string& box) const { return ticked_.at(box); }
    bool selectorEnabled(const std::string& selector) const;
    // The overclock row labels and pictures follow the overclock switch.
    bool overclockRowsOn() const { return ticked("Check10"); }

    // A user pick; a disabled selector ignores it. Returns how many times the estimate is
    // recomputed (0 when nothing changes: the same item again, or a disabled selector).
    int pick(const std::string& selector, int index);
    // A user toggle of a tick box; returns how many times the estimate is recomputed.
    int toggle(const std::string& box);

    ExpectedView view() const;

    // The number text used in slots and captions, and its reading (both locale-free).
    static std::string textOf(double value);
    static double valueOf(const std::string& text);

private:
    int setSelection(const std::string& selector, int index);

    std::map<std::string, int> selected_;
    std::map<std::string, bool> ticked_;
};

// A small, fully specified generator, so a seed replays the same session on every platform.
class SessionRandom {
public:
    explicit SessionRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state_;
};

} // namespace session
