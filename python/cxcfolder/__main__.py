"""python3 -m cxcfolder check FOLDER: the program's own verdict on a data folder.

The rules of a data folder live in one place, cxcmap's loader; this runs `cxcmap check --data` and
passes on its words and exit status.
"""

import argparse
import os
import shutil
import subprocess
import sys

NOT_FOUND = 127  # as a shell says "command not found"


def find_program():
    """The cxcmap program: $CXCMAP, else cxcmap on PATH; None when there is none."""
    named = os.environ.get("CXCMAP")
    if named:
        return named if os.path.isfile(named) and os.access(named, os.X_OK) else None
    return shutil.which("cxcmap")


def check(folder, out=sys.stdout, err=sys.stderr):
    program = find_program()
    if program is None:
        where = f"CXCMAP={os.environ['CXCMAP']} is not an executable file" if os.environ.get("CXCMAP") \
            else "no cxcmap on PATH"
        print(f"cxcfolder check: {where}. Install the program (on Debian 12: bash run.sh package, then "
              "apt-get install ./build/release/cxcmap_1.0.0_amd64.deb), or build it (bash run.sh main) "
              "and set CXCMAP=build/release/app/cxcmap.", file=err)
        return NOT_FOUND
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([program, "check", "--data", os.fspath(folder)], capture_output=True, text=True, env=env)
    out.write(run.stdout)
    err.write(run.stderr)
    return run.returncode


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog="python3 -m cxcfolder",
        description="Data folders for cxcmap. Write them from Python with cxcfolder.write(...).")
    commands = parser.add_subparsers(dest="command", required=True, metavar="COMMAND")
    cmd = commands.add_parser("check", help="say whether cxcmap opens a data folder, in cxcmap's words",
                              description="Runs `cxcmap check --data FOLDER` (the program from $CXCMAP or "
                                          "PATH): one summary line and status 0, or the loader's message "
                                          "and status 1.")
    cmd.add_argument("folder", help="the data folder")
    args = parser.parse_args(argv)
    return check(args.folder)


if __name__ == "__main__":
    sys.exit(main())
