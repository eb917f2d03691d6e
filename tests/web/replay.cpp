// Replays a session of the web page on the window model built for this machine. Each input line is
// "pick SELECTOR ITEM" or "tick BOX 0|1", as the user asked of the page; for each, one line tells
// what the page must then show: the estimate, the load bar's colour and the dual-rail note's colour
// (white, or grey while disabled), as the browser gives them, the digits' tool tip and what a
// screen reader hears.
#include "ui/model/MainWindowModel.h"

#include <cstdio>
#include <iostream>
#include <string>

int main()
{
    ampora::ui::MainWindowModel model;
    model.Form_Load();
    std::string verb, control;
    int value = 0;
    while (std::cin >> verb >> control >> value) {
        if (verb == "pick")
            model.pick(control, value);
        else
            model.tick(control, value != 0);
        const ampora::ui::ControlState& digits = model.state("Label4");
        const ampora::Rgb bar = model.state("Line1").colour;
        std::printf("%s / rgb(%d, %d, %d) / %s / %s / %s\n", digits.caption.c_str(), bar.red,
                    bar.green, bar.blue,
                    model.state("Labeldr").enabled ? "rgb(255, 255, 255)" : "rgb(128, 128, 128)",
                    digits.toolTip.c_str(), model.spokenEstimate().c_str());
        std::fflush(stdout);
    }
}
