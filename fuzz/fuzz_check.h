#pragma once

// What a fuzz target asserts: a broken rule stops the run where it broke, so that the fuzzer
// keeps the input and the replay test fails on it, in any build (assert would be compiled out).
inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}
