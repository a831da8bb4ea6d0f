// kestrel-replay [SCRIPT]: replays a script of window events against the
// simulation, without a window, and writes JSON Lines to standard output.

#include <fstream>
#include <iostream>

#include "replay_engine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: kestrel-replay [SCRIPT]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "kestrel-replay: cannot read " << argv[1] << '\n';
            return 2;
        }
        return kestrel::replayScript(script, std::cout, std::cerr);
    }
    return kestrel::replayScript(std::cin, std::cout, std::cerr);
}
