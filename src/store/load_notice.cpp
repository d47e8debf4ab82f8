#include "store/load_notice.h"

#include "store/file_system.h"

namespace kov {

namespace {

Text RecoveredNotice(const Text& path) {
  return "The settings file\r\n" + path + "\r\ncould not be found or read, but an interrupted save left the " +
         "whole menu in\r\n" + FinishedTemporaryFileFor(path) +
         "\r\n\r\nKovrant shows that menu and writes it to the settings file when it closes.";
}

Text RecoveredPartialNotice(const Text& path) {
  return "The settings file\r\n" + path + "\r\ncould not be found. A save was interrupted while it wrote\r\n" +
         TemporaryFileFor(path) +
         "\r\nso the last entries of the menu may be missing or cut short.\r\n\r\nKovrant shows the entries that "
         "file holds and writes them to the settings file when it closes: check the menu before you close Kovrant.";
}

// What the user can make of the problem, as a sentence of its own; "" when the reason
// already says all there is.
Text AdviceFor(ReadProblem problem) {
  switch (problem) {
    case ReadProblem::Locked:
      return "Another program may hold it open. ";
    case ReadProblem::AccessDenied:
      return "Windows does not let Kovrant read it. ";
    case ReadProblem::IsDirectory:
      return "A folder has taken the settings file's name. ";
    case ReadProblem::None:
    case ReadProblem::TooLarge:
    case ReadProblem::Other:
      break;
  }
  return "";
}

Text UnreadableNotice(const Text& path, const LoadReport& report) {
  return "Kovrant could not read the settings file\r\n" + path + "\r\n\r\n" + report.reason + "\r\n\r\n" +
         AdviceFor(report.problem) +
         "Kovrant shows the built-in menu and leaves the file as it is: it is not written when Kovrant closes unless "
         "you change the menu and agree.";
}

}  // namespace

Text LoadNoticeText(const Text& path, const LoadReport& report) {
  switch (report.source) {
    case MenuSource::Recovered:
      return RecoveredNotice(path);
    case MenuSource::RecoveredPartial:
      return RecoveredPartialNotice(path);
    case MenuSource::Unreadable:
      return UnreadableNotice(path, report);
    case MenuSource::File:
    case MenuSource::NoFile:
      break;
  }
  return "";
}

}  // namespace kov
