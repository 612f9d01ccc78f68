#include "cli/verb.h"
#include "cli/file_verbs.h"
#include "cli/link_verbs.h"
#include "cli/option_help.h"
#include "cli/verb_ports.h"
#include "cli/verb_report.h"

namespace wrk7::cli {

// One line per verb, in the order --help shows them. The radio-link verbs
// (read, write, emulate) go at the end of this list: each lives in its own
// file under src/cli/ and declares its Run function in a header included here.
// An explicit list, because a static library drops objects nothing refers to.
const std::vector<Verb>& AllVerbs() {
    static const std::vector<Verb> verbs{
        {"new", "new [--model MODEL] OUT.WK7", "write the image that New leaves for a model", RunNew},
        {"check", "check FILE.WK7", "load a clone file and report every problem", RunCheck},
        {"export", "export [--model MODEL] [--format FORMAT] FILE.WK7 OUT", "write the channels of a clone file as CSV or SDR bookmarks (OUT -: stdout)", RunExport},
        {"import", "import [--model MODEL] [--format FORMAT] [--at ROW] [--bank BANK [--grow]] [--empty] [--duplicates RULE] FILE.WK7 IN.LIST OUT.WK7",
         "apply a channel list (CSV, database or repeater export, SDR bookmarks) to a clone file", RunImport},
        {"diff", "diff [--model MODEL] A.WK7 B.WK7", "print what differs between two clone files", RunDiff},
        {"merge", "merge [--model MODEL] [--prefer mine|receiver] BASE.WK7 MINE.WK7 RECEIVER.WK7 OUT.WK7",
         "take the changes of MINE and RECEIVER since BASE into OUT, listing what both changed differently", RunMerge},
        {"listing", "listing [--pdf OUT.pdf] [--sections LIST] [--model MODEL] FILE.WK7",
         "print the listing of a clone file, or write it as PDF", RunListing},
        {"read", "read --port PORT [--model MODEL] [--part PART] [--base FILE.WK7] [--quick] [--trace FILE] OUT.WK7", "read the receiver into a clone file", RunRead},
        {"write", "write --port PORT [--model MODEL] [--part PART] [--trace FILE] [--backup FILE] [--verify] FILE.WK7", "write a clone file into the receiver", RunWrite},
        {"emulate", "emulate [--model MODEL] [--image FILE.WK7] [--link PATH] [--save FILE.WK7] [--paced] [--latency-timer MS] [--fault F]... [--replay TRACE]", "serve the receiver emulator on a pseudo-terminal, or replay a serial trace", RunEmulate},
        {"ports", "ports [--json] [--root DIR] [--test PORT [--loopback] [--model MODEL] [--trace FILE]]", "list the serial devices and what stands in their way, or test a cable", RunPorts},
        {"report", "report [--redact] OUT.zip", "save a problem report: version, system, port doctor, logs, traces, port settings, backups", RunReport},
    };
    return verbs;
}

// One line per option for --help; the link verbs add theirs (--port ...) here.
const std::vector<OptionHelp>& AllOptionHelp() {
    static const std::vector<OptionHelp> options{
        {"--model MODEL", ModelChoices(true).c_str()},  // from the model table
        {"--format FORMAT", "export: wrk7 (default), chirp, gqrx, sdrsharp or sdrpp; import: forces the list's reader"},
        {"--at ROW", "import a CHIRP list or a list without slots into consecutive memory slots from ROW (07-000 or 0..999)"},
        {"--bank BANK", "import a list without slots into the slots of bank BANK (0..49)"},
        {"--grow", "let --bank grow the bank from the banks after it"},
        {"--empty", "import a list without slots into empty slots only, from --at ROW or the first (the default)"},
        {"--duplicates RULE", "a row a used slot already holds: skip (default) or replace it there"},
        {"--prefer SIDE", "merge: mine or receiver wins every conflict (without it conflicts exit 3, OUT not written)"},
        {"--sections LIST", "listing sections: comma list of settings, vfo, memory (default all)"},
        {"--pdf OUT.pdf", "write the listing as a PDF file instead of text lines"},
        {"--port PORT", "a device path, COM1..COM16, or emulator (the built-in emulator)"},
        {"--part PART", "all (default), settings, memory, bank or groups"},
        {"--base FILE", "the clone file a partial read starts from (default: New)"},
        {"--quick", "read the channel blocks of enabled slots only (parts all and memory)"},
        {"--trace FILE", "write a serial trace of the transfer to FILE"},
        {"--verify", "write: read back what was written and compare; exit 1 where the receiver holds otherwise"},
        {"--image FILE", "the clone file the emulator starts with (default: its demo image)"},
        {"--link PATH", "also make PATH a symlink to the emulator's pseudo-terminal"},
        {"--save FILE", "save the emulator's memory as a clone file when it ends"},
        {"--paced", "deliver every character at 38400 baud"},
        {"--latency-timer MS", "emulate: hold the answers as a USB adapter with this latency timer would (0 off)"},
        {"--fault F", "refuse-id, silent-after=N, drop=N, garbage=N, split, re-on=ADDR, delay-ms=N, hangup-after=N, keep-wrong=N"},
        {"--replay TRACE", "emulate: serve the receiver's side of a serial trace (--paced keeps every gap)"},
        {"--json", "ports: print the list as one JSON document"},
        {"--root DIR", "ports: read /sys, /proc, /dev and the udev rules under DIR instead of /"},
        {"--root FILE", "ports: read a Windows machine's devices as written out in FILE"},
        {"--test PORT", "ports: test the cable on PORT (with the receiver, or --loopback)"},
        {"--loopback", "ports --test: the cable's ends are joined (TX to RX) instead of a receiver"},
        {"--verbose", "anywhere: print what wrk7 logs to stderr too (its log file keeps it in any case)"},
        {"--redact", "report: blank the names and notes in every clone file and trace it holds"},
        {"-h, --help", "show this help; after a verb, that verb's help"},
        {"--version", "show the version"},
    };
    return options;
}

}  // namespace wrk7::cli
