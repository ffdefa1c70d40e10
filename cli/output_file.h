#pragma once

#include <array>
#include <streambuf>
#include <string>

#include "platform/atomic_file.h"

// The file -o, --output names: the output goes there in place of standard output, and replaces
// the file only when the whole run has succeeded. A shell redirect would empty the old file
// before the program starts; this leaves it as it was on any failure.
namespace bithydraulics::cli {

class OutputFile : public std::streambuf {
  public:
    // Starts the file; failure() says when that failed (the folder missing, no permission).
    explicit OutputFile(const std::string& path);

    // Puts the output in place of the old file; false, the old file untouched, when any write
    // or this failed.
    bool commit();
    const platform::WriteFailure& failure() const { return file_.failure(); }

  protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int_type overflow(int_type c) override;

  private:
    platform::AtomicFile file_;
};

}  // namespace bithydraulics::cli
