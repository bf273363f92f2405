// The modification-date store: the date each tweak was last applied, one line per
// catalogue record in DateFile.txt beside the program, and an in-memory copy of that file
// for the group lists.
//
// A line is `quenby("<name>",M/D/YYYY)` followed by CR LF; a line read ends at CR or LF.
// The registry value HKCU\Software\Quenby Manager\DateModefiedFlage is 1 once a first-run
// file has been written. Every failure is silent: the group lists then show no date or
// today's.
#pragma once

#include <string>

#include "model/tweak_catalogue.h"
#include "platform/host.h"

namespace tallowick {

class Registry;

// "%d/%d/%d" of month, day, year: 5 March 2007 is "3/5/2007".
std::string FormatDate(const Date& date);

class DateStore {
  public:
    // Borrows all three; they must outlive the store. The file is programFolder +
    // "\\DateFile.txt".
    DateStore(Registry& registry, Host& host, const TweakCatalogue& catalogue,
              std::string programFolder);
    DateStore(const DateStore&) = delete;
    DateStore& operator=(const DateStore&) = delete;

    // Start-up: makes sure the program key exists, writes `Language` if it is missing, then
    // loads the file, or writes a first-run file with today's date for every record.
    void Initialise();
    // An ApplyHandler passed its gate: today's date for the line of record `current` (and
    // so for every record of the same name). A record without a line gets one appended.
    void RecordDate(TweakId current);
    // The date text of the line for a record name, e.g. "6/19/2006"; "" when there is
    // none. A name without a line gets one with today's date, or, when no file could be
    // loaded, the store is reset.
    std::string LookUp(const std::string& name);
    // Clears the flag and initialises again, which writes the file anew.
    void Reset();

    // The in-memory copy of the file: as last read or written; empty until then.
    const std::string& Text() const { return text_; }
    const std::string& FilePath() const { return path_; }

  private:
    bool Save(const std::string& bytes);

    Registry& registry_;
    Host& host_;
    const TweakCatalogue& catalogue_;
    const std::string path_;
    std::string text_;
    // True once text_ mirrors a file that was read or written. A missing line then means a
    // damaged or foreign file, which is mended line by line instead of rebuilt.
    bool loaded_ = false;
};

}  // namespace tallowick
