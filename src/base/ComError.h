// ComError is how a COM-style failure travels through the system: a number, the source that
// raised it and a description, as VB's Err object carries them. "Raises to the caller" is a throw
// of ComError; handlers catch it and log it through the handler convention (ErrorHandler.h).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kov {

// The base of object-defined error numbers, VB's vbObjectError.
inline constexpr int32_t vbObjectError = -2147221504;

// Run-time error numbers of VB that the system and its substitutes raise.
namespace vberr {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t DllNotFound = 48;
inline constexpr int32_t BadFileNameOrNumber = 52;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t AutomationError = 440;
inline constexpr int32_t DllEntryPointNotFound = 453;
inline constexpr int32_t KeyAlreadyInCollection = 457;
}  // namespace vberr

class ComError : public std::runtime_error {
 public:
  ComError(int32_t number, std::string source, std::string description);

  // An error with one of VB's run-time numbers and VB's own description of it.
  static ComError Vb(int32_t number, std::string source = "Kovelin");

  // The description VB gives a run-time error number ("Subscript out of range" for 9).
  static std::string VbDescription(int32_t number);

  // Turns whatever is being handled in the current catch block into a ComError, so that a
  // handler logs a standard library failure with a number and text like any other.
  static ComError FromCurrentException();

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

}  // namespace kov
