#include "cli/cli_args.h"

namespace quorvel::cli {

std::string_view HelpText() {
    return R"(Usage: quorvel-cli [OPTION...] PAGE [KEY=VALUE...] [ACTION [ANSWER...]...]
       quorvel-cli --batch [--carry] [OPTION...] PAGE [KEY=VALUE...] < LINES
       quorvel-cli --list | --keys PAGE | --commands PAGE | --help | --version

Prints what a QuorvelII calculator page shows, one line per value: the control's object
name, a tab, and the exact text the window shows (a check box shows YES or NO).

PAGE is a settings section (RF, Number, MathTrig, DateTime, Wg84, MiscCalc, "Pcm Data") or
a tab caption (RF, Number, Math/Trig, Date/Time, "WG 84", Misc, "PCM Data"), in any case.

The page starts from its creation defaults, loads its section of the --settings file, and
takes each KEY=VALUE as if it stood in that section: the same typed read and the same
derivations. KEY=VALUE entries go before the first action; a later one replaces an earlier
one of the same key.

Options:
  --settings FILE   load the page's section of this settings file (QuorvelII.Cfg)
  --save            after the actions, write the page's section back to the --settings
                    file, as the window does on closing: the file is first copied to
                    FILE.BAK; other sections are kept; a missing FILE is created
  --json            print the display list as one JSON object, keys in display order
  --only LABEL,...  print only these labels (in display order)
  --now YYYY-MM-DDTHH:MM:SS.mmm
                    the local time the page's clock reads (the .mmm part may be left off);
                    time then stands still, so the output is reproducible
  --verbose         list every text-entry box and dialog on standard error, with what the
                    script answered
  --list            list the pages: section, tab caption, page caption
  --keys PAGE       list the page's settings keys and their types, in load order
  --commands PAGE   list the page's popup-menu commands: menu name, caption
  --help, --version

Actions, run in order as the window runs them, each ending with the page redisplayed:
  --menu CAPTION    the popup-menu command of that caption ("Ratio To Db")
  --check NAME=YES|NO
                    click the check box NAME into that state
  --edit NAME=TEXT  enter TEXT in the page's edit box NAME (as Enter would)
  --choose NAME=INDEX
                    pick item INDEX (from 0) of the list NAME
  --click NAME      click the button or radio button NAME

Answers follow their action and answer, in order, each text-entry box or dialog it opens:
  --answer TEXT     OK on TEXT in a text-entry box (at most 255 characters, as in the box)
  --ok              OK on the box's untouched text, or OK on a dialog as it opened
  --cancel          cancel the box or the dialog
  --type BOX=TEXT   type TEXT into the dialog's edit box BOX key by key (keys the dialog
                    refuses are dropped, with their cue), then leave the box; several may
                    follow each other, and the last is followed by --ok or --cancel
A command that opens more boxes or dialogs than its answers, or leaves answers unused, is an
error. Names of commands, controls and boxes match without regard to case.

Many answers from one process:
  --batch           read standard input a line at a time; each line holds what would
                    follow PAGE on the command line (KEY=VALUE entries, actions and
                    answers), split and quoted as a POSIX shell would, without running
                    one; blank lines and lines starting with # are passed over. Each line
                    is answered from the page as the command line loads it (its --settings
                    file and its own KEY=VALUE entries), followed by an empty line; with
                    --json each answer is one JSON object with the input line number
                    ("line"), one per line. A line that fails prints one message naming
                    its line on standard error, and the batch goes on. Answers are
                    written as they come, and flushed when standard output is a pipe or a
                    terminal.
  --carry           each line goes on from the state the previous line left, as in one
                    session of the window; a line's KEY=VALUE entries are read over that
                    state. With --save the state is saved once, after the last line.

Cues the page sounds are listed on standard error as "cue: warning" (nothing is sounded),
messages as "message: TEXT".

Exit status: 0 done; 1 the settings file could not be backed up or written, the output
could not be written, or a batch's standard input could not be read; 2 the command line is
wrong (unknown page, key, command, control or box, a value the key's typed read refuses,
answers that do not fit, a settings file that cannot be read or is larger than 1 MiB), or
in a batch any line was; the one-line message on standard error says what is
wrong and what would be right.

Examples:
  quorvel-cli RF Watts=2
  quorvel-cli --settings QuorvelII.Cfg --json 'WG 84'
  quorvel-cli RF --menu "Ratio To Db" --answer 2
  quorvel-cli RF --menu VSWR --type EditVswr=2 --ok
  quorvel-cli --settings QuorvelII.Cfg --save RF --menu "Bit Rate" --answer 1000000
  printf -- '--menu "Bit Rate" --answer %s\n' 1000 500000 |
      quorvel-cli --batch --only LabelBitRate,LabelIfFilter RF
)";
}

}  // namespace quorvel::cli
