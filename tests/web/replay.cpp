// Replays a session of the web page on the window model built for this machine. Each input line is
// "pick SELECTOR ITEM" or "tick BOX 0|1", as the page received it from the user; for each, one line
// tells what the page must then show: the estimate, the load bar's colour and the dual-rail note's
// colour (white, or grey while disabled), as the browser gives them.
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
        const ampora::Rgb bar = model.state("Line1").colour;
        std::printf("%s rgb(%d, %d, %d) %s\n", model.state("Label4").caption.c_str(), bar.red,
                    bar.green, bar.blue,
                    model.state("Labeldr").enabled ? "rgb(255, 255, 255)" : "rgb(128, 128, 128)");
        std::fflush(stdout);
    }
}
