#include "base/ComError.h"

#include <exception>
#include <new>

namespace kov {

ComError::ComError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

std::string ComError::VbDescription(int32_t number) {
  switch (number) {
    case vberr::InvalidProcedureCall:
      return "Invalid procedure call or argument";
    case vberr::OutOfMemory:
      return "Out of memory";
    case vberr::SubscriptOutOfRange:
      return "Subscript out of range";
    case vberr::TypeMismatch:
      return "Type mismatch";
    case vberr::DllNotFound:
      return "Error in loading DLL";
    case vberr::BadFileNameOrNumber:
      return "Bad file name or number";
    case vberr::FileNotFound:
      return "File not found";
    case vberr::PathFileAccessError:
      return "Path/File access error";
    case vberr::PathNotFound:
      return "Path not found";
    case vberr::ObjectNotSet:
      return "Object variable or With block variable not set";
    case vberr::AutomationError:
      return "Automation error";
    case vberr::DllEntryPointNotFound:
      return "Can't find DLL entry point";
    case vberr::KeyAlreadyInCollection:
      return "This key is already associated with an element of this collection";
    default:
      return "Application-defined or object-defined error";
  }
}

ComError ComError::Vb(int32_t number, std::string source) {
  return ComError(number, std::move(source), VbDescription(number));
}

ComError ComError::FromCurrentException() {
  try {
    throw;
  } catch (const ComError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return Vb(vberr::OutOfMemory);
  } catch (const std::exception& e) {
    return ComError(vberr::AutomationError, "Kovelin", e.what());
  } catch (...) {
    return Vb(vberr::AutomationError);
  }
}

}  // namespace kov
