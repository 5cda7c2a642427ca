#pragma once

namespace tidewell::ExitCode {

// Process exit codes shared by every subcommand.
constexpr int success = 0;
constexpr int failure = 1;     // the command ran but could not finish its work
constexpr int usageError = 2;  // wrong arguments; the message is on stderr
constexpr int appRejected = 3; // the bundle could not be read; its reason is on stderr

} // namespace tidewell::ExitCode
