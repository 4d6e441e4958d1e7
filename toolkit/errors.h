#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

/// A file could not be opened, written, read or closed; the message names the file.
class IoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Data that a routine cannot handle (a singular system, a square root of a negative
/// difference, a non-finite number on its way into a document); the message names the condition.
class DegenerateDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// An index outside a fixed-size table; thrown instead of touching memory outside the table.
class IndexRangeError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

}  // namespace toolkit
