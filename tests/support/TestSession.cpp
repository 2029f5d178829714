#include "support/TestSession.h"

namespace kov::testing {

TestSession::TestSession() {
  std::filesystem::create_directories(AddinFolder());
  Install();
}

TestSession::~TestSession() = default;

void TestSession::Install() {
  scopedOs_.reset();
  os_.reset();
  substitute::SubstituteOsOptions options;
  options.registryFile = RegistryFile();
  options.addinPath = AddinFolder() + "/Kovelin.so";
  options.libraryFolders = {KOVELIN_LIBZENQUOR_DIR};
  os_ = std::make_unique<substitute::SubstituteOs>(options);
  scopedOs_ = std::make_unique<os::ScopedOs>(os_->Services());
}

void TestSession::Restart() { Install(); }

}  // namespace kov::testing
