#include "cli/verb.h"
#include "cli/file_verbs.h"
#include "cli/option_help.h"

namespace wrk7::cli {

// One line per verb, in the order --help shows them. The radio-link verbs
// (read, write, emulate) go at the end of this list: each lives in its own
// file under src/cli/ and declares its Run function in a header included here.
// An explicit list, because a static library drops objects nothing refers to.
const std::vector<Verb>& AllVerbs() {
    static const std::vector<Verb> verbs{
        {"new", "new [--model MODEL] OUT.WK7", "write the image that New leaves for a model", RunNew},
        {"check", "check FILE.WK7", "load a clone file and report every problem", RunCheck},
        {"export", "export [--model MODEL] FILE.WK7 OUT.csv", "write the channels of a clone file as CSV", RunExport},
        {"import", "import [--model MODEL] FILE.WK7 IN.csv OUT.WK7", "apply CSV rows to a clone file", RunImport},
        {"listing", "listing [--sections LIST] [--model MODEL] FILE.WK7",
         "print the listing of a clone file", RunListing},
        // link verbs: {"read", ...}, {"write", ...}, {"emulate", ...}
    };
    return verbs;
}

// One line per option for --help; the link verbs add theirs (--port ...) here.
const std::vector<OptionHelp>& AllOptionHelp() {
    static const std::vector<OptionHelp> options{
        {"--model MODEL", "WR-K7J (default), WR-K70E, WR-K70T or WR-K70K"},
        {"--sections LIST", "listing sections: comma list of settings, vfo, memory (default all)"},
        {"-h, --help", "show this help; after a verb, that verb's help"},
        {"--version", "show the version"},
    };
    return options;
}

}  // namespace wrk7::cli
