#pragma once
// Registers QtTest classes so that one executable per area runs them all.
#include <QObject>
#include <functional>
#include <vector>

namespace TestRegistry {
using Factory = std::function<QObject*()>;
int add(const char* name, Factory factory);
int runAll(int argc, char** argv);
}

#define PRENTVEL_TEST(Class) \
    static const int registered_##Class = TestRegistry::add(#Class, [] { return new Class; });
