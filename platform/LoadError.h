#pragma once
// The program's one failure: a file or platform service that could not do
// what was asked. Procedures with an error handler catch it at their own
// boundary and return normally; the others let it pass to their caller.

#include <stdexcept>

namespace vellumo {

struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace vellumo
