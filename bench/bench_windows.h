// The windows the benchmark opens: each measure builds a window on the
// installed platform's archive and waits until it is ready and painted.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace memora::bench {

struct WindowMeasure {
    QString name;
    std::function<void()> run;
    // Runs once before the timed runs, untimed: builds what run works on.
    std::function<void()> prepare = {};
    // Runs once after the timed runs: lets go of what prepare built.
    std::function<void()> finish = {};
};

std::vector<WindowMeasure> windowMeasures();

}  // namespace memora::bench
