// The main() of every test executable: its test classes run one after the
// other, and a test function named on the command line runs in the class that
// has it.
#pragma once

#include <QObject>

#include <initializer_list>

namespace memora::test {

// Makes one test class of an executable; main() names these in the order the
// classes run.
using TestMaker = QObject* (*)();

template <typename Test>
QObject* makeTest()
{
    return new Test;
}

// Runs the class each maker makes, in order, with QTest::qExec, and returns
// how many test functions failed, at most 127, as QTest::qExec does. Every
// class is given the command line's options and those of its test function
// names (a name may carry ":data tag") that it has; a class that has none of
// the names given is not run, so "tst_folder someFunction" runs exactly that
// function wherever it is. Without a name every class runs in full. An
// output file given with -o is written anew by each class.
//
// REQUIRES: the application object of the executable exists.
int runTests(int argc, char* argv[], std::initializer_list<TestMaker> makers);

// Sets the process's time zone to zone ("Europe/Rome"), as on the machine of
// a user who lives there. Call it first in main(), before any time is read.
void useTimeZone(const char* zone);

}  // namespace memora::test
