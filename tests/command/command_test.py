#!/usr/bin/env python3
"""Runs the vilify command black-box: counts, options, exit statuses and messages, a closed
pipe, the seeded epithets against their golden files, --check on a table of lists, and words
beyond ASCII read back byte for byte.

command_test.py COMMAND            the Linux command
command_test.py --wine COMMAND     the Windows command, under Wine (WINEPREFIX as set)
"""
import errno
import fcntl
import json
import os
import pathlib
import re
import select
import shlex
import resource
import shutil
import signal
import time
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]
GOLDEN = HERE / "golden"
DEFAULT_LIST = ROOT / "data" / "wordlist.txt"

wine = sys.argv[1] == "--wine"
# The rows send these signals to the commands they start, which would rightly keep ignoring a
# signal that this script was started ignoring (under nohup, or as a background job).
for number in (signal.SIGHUP, signal.SIGTERM):
    signal.signal(number, signal.SIG_DFL)
signal.signal(signal.SIGINT, signal.default_int_handler)
command = pathlib.Path(sys.argv[-1]).resolve()
sanitized = b"__asan_init" in command.read_bytes()  # takes the address space a limit would cut
scratch = pathlib.Path(tempfile.mkdtemp())
passed = failed = 0


def native(path):
    """A path as the command takes it: under Wine, on the drive that holds the Unix root."""
    return "Z:" + str(path).replace("/", "\\") if wine else str(path)


LOCALE_VARIABLES = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")


def run(*arguments, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, program=None, limit=None,
        cwd=None, locale=None):
    """The command's status, standard output and standard error, with Windows' CR LF line
    ends checked and taken off; `limit` bounds its address space; `locale`, where given, holds
    the only locale variables set."""
    prefix = ["wine"] if wine else []
    bound = None
    if limit and not sanitized:
        bound = lambda: resource.setrlimit(resource.RLIMIT_AS, (limit, limit))
    env = None
    if locale is not None:
        env = {name: value for name, value in os.environ.items() if name not in LOCALE_VARIABLES}
        env.update(locale)
    done = subprocess.run(prefix + [str(program or command), *arguments], stdin=stdin,
                          stdout=stdout, stderr=subprocess.PIPE, timeout=60, preexec_fn=bound,
                          cwd=cwd, env=env)
    out, err = done.stdout or b"", done.stderr
    if wine:
        err = b"\n".join(line for line in err.split(b"\n") if not line.startswith(b"wine"))
        assert out.count(b"\n") == out.count(b"\r\n"), "a line end without CR"
        out, err = out.replace(b"\r\n", b"\n"), err.replace(b"\r\n", b"\n")
    return done.returncode, out, err


def write_list(name, content):
    path = scratch / name
    path.write_bytes(content)
    return native(path)


def check(what, condition):
    global passed, failed
    if condition:
        passed += 1
        print("ok -", what)
    else:
        failed += 1
        print("not ok -", what)


def lines(out):
    return out.decode("utf-8").splitlines()


small = write_list("small.txt", b"V very\nJ vile\nJ putrid\nJ ab\nN toad\nN wart\n")
small_words = {"very", "vile", "putrid", "ab", "toad", "wart"}

# Counts and settings: each row gives options and what every line printed must satisfy.
settings = [
    ("one epithet", [], 1, lambda l: len(l.split()) in (2, 3)),
    ("five epithets", ["-n", "5"], 5, lambda l: True),
    ("-n attached", ["-n7"], 7, lambda l: True),
    ("a long option by its prefix", ["--sing", "--cou=4"], 4, lambda l: len(l.split()) == 2),
    ("--count=", ["--count=3"], 3, lambda l: True),
    ("single modifier", ["-n", "200", "--single"], 200,
     lambda l: len(l.split()) == 2 and "very" not in l),
    ("no commas", ["-n", "200", "--no-commas"], 200, lambda l: "," not in l),
    ("length order", ["-n", "200", "--no-commas"], 200,
     lambda l: not l.startswith(("vile ab", "putrid ab", "putrid vile"))),
]
for what, options, count, shape in settings:
    status, out, err = run("--list", small, *options)
    printed = lines(out)
    check(what, status == 0 and err == b"" and len(printed) == count and all(map(shape, printed)))

status, out, _ = run("--list", small, "-n", "300", "--no-length-order", "--no-commas")
check("no length order keeps the order drawn",
      status == 0 and any(l.startswith("vile ab ") for l in lines(out)))
status, out, _ = run("--list", small, "-n", "300")
check("commas between two adjectives, none after an adverb",
      any(", " in l for l in lines(out)) and all("very," not in l for l in lines(out)))

# Exit statuses and what standard error says.
folder = scratch / "folder"
folder.mkdir()
missing = native(scratch / "missing.txt")
no_nouns = write_list("no_nouns.txt", b"J vile\n")
empty = write_list("empty.txt", b"")
# A list given on the command line is named in every message about it.
failures = [
    ("a missing list", ["--list", missing], 1,
     [b"vilify: Can't run without " + missing.encode() + b",",
      b"vilify: you necrotic, incontinent pustule!", b"vilify: " + missing.encode() + b": "]),
    ("a folder for a list", ["--list", native(folder)], 1,
     [b"vilify: Can't run without " + native(folder).encode() + b",",
      b"vilify: you necrotic, incontinent pustule!",
      b"vilify: " + native(folder).encode() + b": "]),
    ("no nouns", ["--list", no_nouns], 1, [b"vilify: " + no_nouns.encode() + b" has no nouns."]),
    ("no adjectives", ["--list", write_list("no_adjectives.txt", b"V very\nN toad\n")], 1,
     [b"vilify: " + native(scratch / "no_adjectives.txt").encode() + b" has no adjectives."]),
    ("nothing", ["--list", empty], 1,
     [b"vilify: " + empty.encode() + b" has no adjectives and no nouns."]),
    ("an unknown option", ["--list", small, "--loud"], 2,
     [b"vilify: unknown option --loud", b"usage: vilify [-n COUNT]"]),
    ("a stray argument", ["--list", small, "twice"], 2, [b"vilify: unexpected argument twice"]),
    ("a negative count", ["-n", "-1"], 2, [b"vilify: -n takes a whole number"]),
    ("a count that is no number", ["-n", "many"], 2, [b"vilify: -n takes a whole number"]),
    ("a missing count", ["-n"], 2, [b"vilify: -n takes a whole number"]),
    ("a count that ends in a letter", ["-n", "3x"], 2, [b"vilify: -n takes a whole number"]),
    ("an attached count that is no number", ["-nx"], 2, [b"vilify: -n takes a whole number"]),
    ("a seed that ends in a letter", ["--seed", "42x"], 2, [b"vilify: --seed takes"]),
    ("an empty list name", ["--list", ""], 2, [b"vilify: --list takes"]),
    ("a seed past 64 bits", ["--seed", "18446744073709551616"], 2, [b"vilify: --seed takes"]),
    ("a value for a flag", ["--single=yes"], 2, [b"vilify: --single takes no value"]),
    ("an ambiguous prefix", ["--no"], 2,
     [b"vilify: option --no is ambiguous; it could be '--no-commas' '--no-length-order'"]),
    ("a printing option with --check", ["--check", "--single"], 2,
     [b"vilify: --single has no meaning with --check"]),
    ("an empty file for --check", ["--check="], 2, [b"vilify: --check takes the word list's"]),
    ("a long count that is no number", ["--count", "x"], 2, [b"vilify: --count takes a whole"]),
    ("a length that is no number", ["--max-length", "x"], 2, [b"vilify: --max-length takes"]),
    ("an empty file of words to leave out", ["--exclude="], 2, [b"vilify: --exclude takes"]),
    ("a missing file of words to leave out", ["--exclude", missing], 1,
     [b"vilify: Can't read the words to leave out, " + missing.encode() + b": "]),
    ("an output format with --check", ["--check", small, "--json"], 2,
     [b"vilify: --json has no meaning with --check"]),
    ("standard input twice", ["--list", "-", "--exclude", "-"], 2,
     [b"vilify: the list and the words to leave out cannot both come from standard input"]),
    ("a dash among short options", ["-z-"], 2, [b"vilify: unknown option '-' in -z-"]),
]
for what, options, expected, starts in failures:
    status, out, err = run(*options)
    said = err.split(b"\n")
    check(what, status == expected and out == b"" and len(said) >= len(starts) and
          all(line.startswith(start) for line, start in zip(said, starts)) and
          (expected != 2 or said[-2] == b"Try 'vilify --help' for more information."))

status, _, err = run("--loud")
check("the usage names each action's own options", err.count(b"--check") == 1 and
      err.count(b"--help") == 2 and b"[--list FILE]" in err.split(b"\n")[3])

status, out, _ = run("--list=" + small)
check("--list=FILE", status == 0 and len(lines(out)) == 1)
status, out, err = run("--check", "--single")
check("an option after --check is no file's name", b"No such file" not in err)
(scratch / "-x").write_bytes(b"J vile\nN toad\n")
status, out, _ = run("--check", "--", "-x", cwd=scratch)
check("-- ends the options: a list named -x", status == 0 and lines(out)[0] == "list: -x")

status, out, _ = run("--help")
help_lines = lines(out)
check("--help, within 79 columns", status == 0 and help_lines[0] == "Usage: vilify [OPTION]..." and
      all(len(line) <= 79 for line in help_lines))
metadata = (ROOT / "packaging" / "org.zestive.vilifex.metainfo.xml").read_text()
home, bugs = (re.search(f'<url type="{kind}">([^<]*)</url>', metadata).group(1)
              for kind in ("homepage", "bugtracker"))
check("--help ends where GNU's do: where to report bugs, and the home page the metadata gives",
      help_lines[-3:] == ["", f"Report bugs to: {bugs}", f"Zestive Vilifex home page: <{home}>"])
manual = (ROOT / "packaging" / "vilify.6").read_text()
described = re.search(r"\.SH OPTIONS\n(.*?)\n\.SH ", manual, re.S).group(1)
in_manual = {name.replace("\\-", "-")
             for item in re.findall(r"\.TP\n(.*)", described)
             for name in re.findall(r"\\-\\-([a-z][a-z\\-]*)", item)}
in_help = set(re.findall(r"--([a-z][a-z-]*)", out.decode()))
check(f"the manual page names every option and no other (differing: {in_manual ^ in_help})",
      in_manual == in_help)
status, out, _ = run("--version")
check("--version as GNU programs give it", status == 0 and
      re.fullmatch(r"vilify \(Zestive Vilifex\) [0-9.]+\nCopyright \(C\) .*\nLicense MIT: .*\n"
                   r"This is free software.*\nThere is NO WARRANTY.*\n", out.decode()))

# A reader that closes the pipe ends the command quietly and at once.
prefix = ["wine"] if wine else []
reader = subprocess.Popen(prefix + [str(command), "--list", small, "-n", "0"],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)
try:
    first = reader.stdout.readline()
    reader.stdout.close()
    status = reader.wait(timeout=30)
except subprocess.TimeoutExpired:
    status = None
finally:
    reader.kill()  # never left running, whatever happened
    reader.wait()
check("a closed pipe ends -n 0 with status 0", first and status == 0 and
      b"vilify" not in reader.stderr.read())

# In a terminal Wine gives a program a console: the words must reach it as Unicode, which the
# console shows as the terminal wants, not as UTF-8 bytes read in the console's code page.
if wine and shutil.which("script"):
    listed = write_list("console.txt", "J café\nN ørn\n".encode())
    shown = subprocess.run(["script", "-qc", f"wine {shlex.quote(str(command))} --list "
                            f"{shlex.quote(listed)}", "/dev/null"], stdin=subprocess.DEVNULL,
                           capture_output=True, timeout=60)
    check("a console is shown every word", "café ørn" in shown.stdout.decode("utf-8", "replace"))

def wait_in(process, call):
    """Waits, ten seconds at most, until `process` waits in the kernel's `call`."""
    wchan = pathlib.Path(f"/proc/{process.pid}/wchan")
    deadline = time.monotonic() + 10
    while call not in wchan.read_text() and time.monotonic() < deadline:
        time.sleep(0.01)


# A signal while the command waits for a slow reader ends the output after a whole line, and
# then the command by that signal; tried a few times, as it comes at a different place each time.
if not wine:
    for number in (signal.SIGTERM, signal.SIGINT):
        expected = -number
        whole = True
        statuses = set()
        for _ in range(5):
            writer = subprocess.Popen([str(command), "--list", small, "-n", "0"],
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            try:
                # Signalled as it waits, part of the way through a write, for the pipe to drain:
                # once blocked, it is given room for a few pages and blocks again.
                begun = b""
                for size in (1000, 3 * 4096):
                    begun += writer.stdout.read(size)
                    wait_in(writer, "pipe_write")
                writer.send_signal(number)
                output = begun + writer.stdout.read()
                statuses.add(writer.wait(timeout=30))
            finally:
                writer.kill()
                writer.wait()
            whole &= output.endswith(b"\n") and all(
                len(l.split()) in (2, 3) and set(l.replace(",", "").split()) <= small_words
                for l in lines(output))
        check(f"{number.name} ends the output after a whole line, then the command by itself",
              whole and statuses == {expected})

# Ctrl+C while the command waits for a list on standard input ends it at once.
if not wine:
    waiting = subprocess.Popen([str(command), "--list", "-"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    try:
        wait_in(waiting, "pipe_read")
        waiting.send_signal(signal.SIGINT)
        status = waiting.wait(timeout=10)  # standard input stays open meanwhile
        check("Ctrl+C ends a wait for the list on standard input, quietly, by itself",
              status == -signal.SIGINT and waiting.stdout.read() == b"" and
              waiting.stderr.read() == b"")
    except subprocess.TimeoutExpired:
        check("Ctrl+C ends a wait for the list on standard input", False)
    finally:
        waiting.kill()
        waiting.wait()

def catches(pid, number):
    """Whether the process `pid` has a handler of its own for signal `number`."""
    try:
        caught = re.search(r"^SigCgt:\s*(\w+)", pathlib.Path(f"/proc/{pid}/status").read_text(),
                           re.M)[1]
        return int(caught, 16) >> (number - 1) & 1
    except (OSError, TypeError):
        return False


def bounded():  # a command that does not stop reading still ends, in memory that the machine has
    if b"__asan_init" not in command.read_bytes():  # which takes the address space a limit cuts
        resource.setrlimit(resource.RLIMIT_AS, (1 << 30, 1 << 30))


# A signal ends the command promptly whatever it does: it reads no more of a list that never
# ends, or of one whose check takes long, and then ends by that signal, quietly. strace sends
# the signal as a read returns data, which no signal interrupts.
if not wine and shutil.which("strace"):
    repeats = write_list("repeats.txt", b"J vile\n" * (2 << 20))
    reading = [
        ("reading a list from a stream that never waits", signal.SIGTERM, ["--list", "-"], "read"),
        ("reading a list that never ends", signal.SIGINT, ["--list", "/dev/zero"], "read"),
        ("reading a list from a stream", signal.SIGHUP, ["--list", "-"], "read"),
        ("checking a long list", signal.SIGINT, ["--check", repeats], "pread64"),
    ]
    trace = scratch / "reads"
    for what, number, options, call in reading:
        feeder = subprocess.Popen(["yes", "J vile"], stdout=subprocess.PIPE)
        done = subprocess.run(["strace", "-qq", "-e", f"trace={call}", "-o", str(trace), "-e",
                               f"inject={call}:signal={number.name}:when=40", str(command),
                               *options], stdin=feeder.stdout, capture_output=True,
                              timeout=60, preexec_fn=bounded)
        feeder.kill()
        feeder.wait()
        log = trace.read_text().splitlines()
        signalled = [i for i, line in enumerate(log) if line.startswith(f"--- {number.name}")]
        check(f"{number.name} while {what} ends the command at once, by itself",
              signalled and not any(line.startswith(call) for line in log[signalled[0]:]) and
              done.returncode == -number and done.stdout == done.stderr == b"")
    # Nor does it take more memory after the signal than the piece it was reading needs: no
    # stream's bytes are copied to grow their buffer, no pools indexed or shuffled, no check's
    # passes made. The signal comes with the read (counted from the list's first) that takes the
    # stream past 32 MiB, or in the middle of a file.
    def memory_taken(log, since):  # bytes mapped, or the break raised by, after line `since`
        taken, top = 0, None
        for i, line in enumerate(log):
            if line.startswith("brk("):
                raised = int(line.rsplit("= ", 1)[1], 16)
                taken += max(0, raised - top) if top and i > since else 0
                top = raised
            elif line.startswith("mmap(") and i > since:
                taken += int(line.split(", ")[1])
        return taken

    def first_read_of(options, stdin, call):
        subprocess.run(["strace", "-qq", "-e", f"trace={call}", "-o", str(trace), str(command),
                        *options], stdin=stdin, capture_output=True, timeout=60)
        calls = [line for line in trace.read_text().splitlines() if line.startswith(call)]
        stdin.seek(0)
        # The list's are those of standard input, or all where the file is read where it lies.
        return next(i for i, line in enumerate(calls)
                    if not line.startswith("read(") or line.startswith("read(0,")) + 1

    long_list = write_list("long.txt", b"J vile\nN toad\n" * (3 << 20))
    growing = [
        ("growing a list read from a stream", signal.SIGTERM, ["--list", "-"], "read", 512),
        ("loading a long list", signal.SIGHUP, ["-n", "1", "--list", long_list], "pread64", 300),
        ("checking a long list's words", signal.SIGINT, ["--check", long_list], "pread64", 300),
    ]
    for what, number, options, call, reads in growing:
        with open(long_list, "rb") as stdin:
            when = first_read_of(options, stdin, call) + reads
            done = subprocess.run(["strace", "-qq", "-e", f"trace={call},mmap,brk", "-o",
                                   str(trace), "-e", f"inject={call}:signal={number.name}:"
                                   f"when={when}", str(command), *options], stdin=stdin,
                                  capture_output=True, timeout=60)
        log = trace.read_text().splitlines()
        signalled = [i for i, line in enumerate(log) if line.startswith(f"--- {number.name}")]
        check(f"{number.name} while {what} ends the command before it takes more memory",
              signalled and not any(line.startswith(call) for line in log[signalled[0]:]) and
              memory_taken(log, signalled[0]) < 4 << 20 and done.returncode == -number and
              done.stdout == done.stderr == b"")
    os.remove(long_list)
    # Nor does it free the words it has read, which takes seconds for millions: it ends by the
    # signal at once, with the table of the words to leave out still mapped.
    leave_out = write_list("leave-out.txt", "".join(f"word{i}\n" for i in range(1000000)).encode())
    done = subprocess.run(["strace", "-qq", "-e", "trace=pread64,munmap", "-o", str(trace), "-e",
                           "inject=pread64:signal=SIGTERM:when=100", str(command), "-n", "1",
                           "--list", small, "--exclude", leave_out], capture_output=True,
                          timeout=60)
    log = trace.read_text().splitlines()
    signalled = [i for i, line in enumerate(log) if line.startswith("--- SIGTERM")]
    freed = sum(int(line.split(", ")[1].split(")")[0]) for line in log[signalled[0]:]
                if line.startswith("munmap(")) if signalled else None
    check("SIGTERM while reading words to leave out ends the command without freeing them",
          freed is not None and freed < 1 << 20 and done.returncode == -signal.SIGTERM and
          done.stdout == done.stderr == b"")
    os.remove(leave_out)
    # Started as nohup starts it, the command keeps SIGHUP ignored and does its whole work.
    plenty = write_list("plenty.txt", b"J vile\nN toad\n" * (1 << 18))
    done = subprocess.run(["strace", "-qq", "-e", "trace=read", "-o", str(trace), "-e",
                           "inject=read:signal=SIGHUP:when=3", str(command), "--list", plenty,
                           "-n", "2"], capture_output=True, timeout=60,
                          preexec_fn=lambda: signal.signal(signal.SIGHUP, signal.SIG_IGN),
                          env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))  # not under ptrace
    check("SIGHUP ignored from the start stays ignored",
          "--- SIGHUP" in trace.read_text() and done.returncode == 0 and
          done.stdout == b"vile toad\nvile toad\n")
    os.remove(plenty)
    os.remove(repeats)

# A reader that has stalled holds the command only a moment after a signal, and what the pipe
# holds ends after a whole line, whether the pipe has room for a buffer or for one page. A second
# signal ends it at once: the command ends by that one.
if not wine:
    stalled = [("one signal", [signal.SIGTERM], signal.SIGTERM, None),
               ("a second signal", [signal.SIGINT, signal.SIGTERM], signal.SIGTERM, None),
               ("one signal, one page on,", [signal.SIGHUP], signal.SIGHUP, 4096)]
    for what, numbers, ending, pipe_size in stalled:
        reading, writing = os.pipe()
        if pipe_size:
            fcntl.fcntl(writing, fcntl.F_SETPIPE_SZ, pipe_size)
        writer = subprocess.Popen([str(command), "--list", small, "-n", "0"],
                                  stdout=writing, stderr=subprocess.PIPE)
        os.close(writing)
        try:
            wait_in(writer, "pipe_write")
            # Stopped, so that both signals wait for it: the lower number is taken first.
            writer.send_signal(signal.SIGSTOP)
            for number in numbers:
                writer.send_signal(number)
            writer.send_signal(signal.SIGCONT)
            status = writer.wait(timeout=30)
            with os.fdopen(reading, "rb") as pipe:
                held = pipe.read()
            check(f"{what} ends a command whose reader has stalled, after a whole line",
                  status == -ending and writer.stderr.read() == b"" and held.endswith(b"\n") and
                  all(set(l.replace(",", "").split()) <= small_words for l in lines(held)))
        except subprocess.TimeoutExpired:
            check(f"{what} ends a command whose reader has stalled", False)
        finally:
            writer.kill()
            writer.wait()

# A signal writes the lines already made before it ends the command: here most of a buffer,
# which waits behind a pipe of one page for its reader.
if not wine:
    whole_run = run("--list", small, "--seed", "5", "-n", "20000")[1]
    reading, writing = os.pipe()
    fcntl.fcntl(writing, fcntl.F_SETPIPE_SZ, 4096)
    writer = subprocess.Popen([str(command), "--list", small, "--seed", "5", "-n", "0"],
                              stdout=writing, stderr=subprocess.DEVNULL)
    os.close(writing)
    try:
        wait_in(writer, "pipe_write")
        writer.send_signal(signal.SIGTERM)
        with os.fdopen(reading, "rb") as pipe:
            output = pipe.read()
        status = writer.wait(timeout=30)
        check("a signal writes the lines already made, then ends the command by itself",
              status == -signal.SIGTERM and len(output) >= 1 << 15 and
              output.endswith(b"\n") and whole_run.startswith(output))
    finally:
        writer.kill()
        writer.wait()

# A reader that is slow, not stalled, holds the command a moment in all after a signal, however
# many lines wait: strace holds each wait for the reader longer than that moment. The pipe of
# one page takes a buffer in many pieces; the signal comes with the third. (A sanitized build's
# runtime makes writes of its own, which strace would count.)
if not wine and not sanitized and shutil.which("strace"):
    trace = scratch / "waits"

    def signalled_behind_slow_reader(*options):
        """What a reader of a pipe of one page gets, the status, the waits for the reader after
        the signal and standard error."""
        reading, writing = os.pipe()
        fcntl.fcntl(writing, fcntl.F_SETPIPE_SZ, 4096)
        writer = subprocess.Popen(["strace", "-qq", "-e", "trace=write,poll", "-o", str(trace),
                                   "-e", "inject=write:signal=SIGTERM:when=3", "-e",
                                   "inject=poll:delay_exit=300000", str(command), *options],
                                  stdout=writing, stderr=subprocess.PIPE)
        os.close(writing)
        try:
            with os.fdopen(reading, "rb") as pipe:
                written = pipe.read()
            status = writer.wait(timeout=60)
            errors = writer.stderr.read()
        finally:
            writer.kill()
            writer.wait()
        waits = [l for l in trace.read_text().splitlines() if l.startswith("poll(")]
        return written, status, len(waits), errors

    written, status, waits, _ = signalled_behind_slow_reader("--list", small, "-n", "0")
    check("a slow reader holds a signalled command a moment in all, and gets whole lines",
          status == -signal.SIGTERM and waits == 1 and written.endswith(b"\n"))
    # So does a check's report of many buffers, whose reader gets its beginning, with no gap.
    findings = write_list("findings.txt", "".join(
        f"J {w}\nJ {w}\nN n{w}\nN n{w}\n" for w in (f"{i:03}" + "x" * 3000 for i in range(300))
    ).encode())
    whole_report = run("--check", findings)[1]
    written, status, waits, errors = signalled_behind_slow_reader("--check", findings)
    check("a slow reader of a long report holds a signalled check a moment in all",
          status == -signal.SIGTERM and waits == 1 and written.endswith(b"\n") and
          len(whole_report) > 1 << 17 and whole_report.startswith(written) and errors == b"")

# Lines that come slowly reach a pipe as they come, not once a buffer fills: here one epithet
# in some ninety thousand fits.
if not wine:
    rare = write_list("rare.txt", ("J a\nN x\n" + "".join(
        f"J long{i}\nN long{i}\n" for i in range(299))).encode())
    slow = subprocess.Popen([str(command), "--list", rare, "--single", "--max-length", "3",
                             "-n", "0"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        came = select.select([slow.stdout], [], [], 60)[0]  # 60 s bounds a failure only
        check("lines that come slowly reach a pipe as they come",
              came and slow.stdout.readline() == b"a x\n")
    finally:
        slow.kill()
        slow.wait()

# Ended by Ctrl+C, the command ends by the signal, so that a shell's loop that runs it stops too.
if not wine:
    loop = subprocess.Popen(["bash", "-c", f"for i in 1 2 3; do {shlex.quote(str(command))} "
                             f"--list {shlex.quote(small)} -n 0 >/dev/null; echo next $i; done"],
                            stdout=subprocess.PIPE, start_new_session=True)
    try:
        children = pathlib.Path(f"/proc/{loop.pid}/task/{loop.pid}/children")
        while not catches(children.read_text().strip(), signal.SIGINT):
            time.sleep(0.001)
        os.killpg(loop.pid, signal.SIGINT)
        status = loop.wait(timeout=30)
        check("Ctrl+C ends a shell's loop that runs the command", loop.stdout.read() == b"" and
              status == -signal.SIGINT)
    except subprocess.TimeoutExpired:
        check("Ctrl+C ends a shell's loop that runs the command", False)
    finally:
        try:
            os.killpg(loop.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass  # none left: the loop ended
        loop.wait()

# A terminal is written each line as it is made, though a pipe's lines are held back until
# they fill the buffer: strace counts the writes.
if not wine and shutil.which("strace"):
    import pty
    leader, follower = pty.openpty()
    trace = scratch / "writes"
    subprocess.run(["strace", "-qq", "-e", "trace=write", "-o", str(trace), str(command),
                    "--list", small, "-n", "5"], stdout=follower, stderr=subprocess.DEVNULL,
                   timeout=60)
    os.close(follower)
    os.close(leader)
    writes = [l for l in trace.read_text().splitlines() if l.startswith("write(1,")]
    check("a terminal is written each line as it is made", len(writes) == 5)
if not wine and os.path.exists("/dev/full"):
    with open("/dev/full", "wb") as full:
        done = subprocess.run([str(command), "--list", small, "-n", "100000"], stdout=full,
                              stderr=subprocess.PIPE)
    check("a full disk is told, with status 1", done.returncode == 1 and
          done.stderr.startswith(b"vilify: Can't write the epithets: "))

# The same seed gives the same epithets, here and on every other system.
for list_name, list_path in (("default", DEFAULT_LIST), ("clashes", GOLDEN / "clashes.txt")):
    for seed in ("1", "18446744073709551615"):
        status, out, _ = run("--list", native(list_path), "--seed", seed, "-n", "1000")
        golden = (GOLDEN / f"{list_name}-{seed}.txt").read_bytes()
        check(f"seed {seed} on the {list_name} list gives its golden epithets",
              status == 0 and out == golden)
# In the other languages, with their lists' grammar, and with each joining of two adjectives.
for language in ("de", "fr", "es"):
    language_list = native(ROOT / "data" / f"wordlist.{language}.txt")
    for name, options in (("1", ["--seed", "1", "-n", "1000"]),
                          ("no-commas-2", ["--seed", "2", "-n", "300", "--no-commas",
                                           "--no-length-order"])):
        status, out, _ = run("--list", language_list, *options)
        check(f"the {language} list gives its golden epithets ({name})",
              status == 0 and out == (GOLDEN / f"{language}-{name}.txt").read_bytes())
golden_runs = [("seed-text", ["--seed-text", "Zestive Vilifex"]),
               ("filters", ["--seed", "9", "--max-length", "26", "--exclude",
                            native(GOLDEN / "excluded.txt"), "--json"])]
for name, options in golden_runs:
    status, out, _ = run("--list", native(DEFAULT_LIST), "-n", "300", *options)
    check(f"{name} gives its golden epithets",
          status == 0 and out == (GOLDEN / f"default-{name}.txt").read_bytes())
status, out, err = run("--list", small, "--show-seed", "-n", "20")
seed = err.decode().removeprefix("vilify: seed ").strip()
check("--show-seed names a seed that gives the same epithets again",
      seed.isdigit() and run("--list", small, "--seed", seed, "-n", "20")[1] == out)

# Filters and output formats: each row's options, and what all the output must satisfy.
def fnv1a(text):
    seed = 14695981039346656037
    for byte in text.encode():
        seed = (seed ^ byte) * 1099511628211 % 2**64
    return str(seed)


def parsed_json(text):
    """The JSON value, or None where it is no JSON."""
    try:
        return json.loads(text)
    except ValueError:
        return None


def json_lines(out):
    objects = [parsed_json(line) for line in lines(out)]
    if None in objects:
        return False
    return all(o["epithet"] == " ".join(w["word"] for w in o["words"]).replace(" ", ", ", 1)
               or o["epithet"] == " ".join(w["word"] for w in o["words"]) for o in objects) and \
        all({w["class"] for w in o["words"]} <= {"adverb", "adjective", "noun"} and
            o["words"][-1]["class"] == "noun" for o in objects) and len(objects) == 200


default = native(DEFAULT_LIST)
day = "Monday" if wine else "Montag für Café"  # how Wine reads an argument depends on its locale
excluded = write_list("excluded.txt", b"vile\n  rank \nnope\n")
ranked = write_list("ranked.txt", b"J vile\nJ rank\nJ sour\nN toad\nN rank\n")
filtered = [
    ("--max-length", ["--max-length", "18"],
     lambda out: len(lines(out)) == 200 and all(len(l) <= 18 for l in lines(out))),
    ("--exclude", ["--list", ranked, "--exclude", excluded],
     lambda out: set(lines(out)) == {"sour toad"}),
    ("-z", ["-z"], lambda out: out.count(b"\0") == 200 and b"\n" not in out),
    ("short options in one word", ["-zn3"], lambda out: out.count(b"\0") == 3),
    ("--json, read by a JSON parser", ["--json"], json_lines),
    ("--json of a word holding a tab, a quote and a backslash",
     ["--list", write_list("tab.txt", b'J t\tab"\\\nN toad\n'), "--json", "-n", "1"],
     lambda out: (parsed_json(out) or {}).get("words", [{}])[0].get("word") == 't\tab"\\'),
    ("--seed-text, the documented hash", ["--seed-text", day],
     lambda out: out == run("--seed", fnv1a(day), "-n", "200", "--list", default)[1]),
]
for what, options, holds in filtered:
    status, out, _ = run("-n", "200", "--list", default, *options)
    check(f"{what}", status == 0 and holds(out))
# The shortest of the list's shapes rules a length out at once; its words may rule out more.
unreachable = write_list("unreachable.txt", b"V abcde\nJ abc\nJ longadjective\nN x\n")
either_side = write_list("either_side.txt", "@language fr\nNm pou\nNm \u00e2ne\nJb vil\n"
                         "Ja nul/nulle\nJa mit\u00e9\n".encode())
none_fit = [("shorter than any list's epithet", default, ["--max-length", "7"],
             b" can make no epithet of at most 7 characters: the shortest has 14\n"),
            ("of one character", default, ["--max-length", "1"],
             b" can make no epithet of at most 1 character: the shortest has 14\n"),
            ("shorter than adjectives on either side of the noun", either_side,
             ["--max-length", "10"],
             b" can make no epithet of at most 10 characters: the shortest has 11\n"),
            ("shorter than two modifiers", default, ["--max-length", "13"],
             b" can make no epithet of at most 13 characters: the shortest has 14\n"),
            ("that no two words that fit each other pass", unreachable, ["--max-length", "15"],
             b" made no epithet of at most 15 characters in a million tries\n")]
status, out, _ = run("--list", either_side, "--max-length", "11", "-n", "3")
check("--max-length takes the shortest of adjectives on either side of the noun",
      status == 0 and len(lines(out)) == 3 and
      set(lines(out)) <= {"vil \u00e2ne nul", "vil pou nul"})
for what, listed, options, said in none_fit:
    status, out, err = run("--list", listed, *options)
    check(f"--max-length {what} says so", status == 1 and out == b"" and
          err == b"vilify: " + listed.encode() + said)

# Lists from anywhere a shell can give one: standard input by "-" or by name, a FIFO, a process
# substitution; each is read as a stream, through the same loader, and named as given.
listed = b"J vile\nN toad\n"
streamed = [("standard input, as -", ["--list", "-"], listed, b"vile toad\n"),
            ("standard input, checked", ["--check", "-"], b"J vile\n", None)]
if not wine:
    streamed += [("standard input, as /dev/stdin", ["--list", "/dev/stdin"], listed,
                  b"vile toad\n")]
for what, options, given, expected in streamed:
    done = subprocess.run((["wine"] if wine else []) + [str(command), *options], input=given,
                          capture_output=True, timeout=60)
    told = done.stderr.replace(b"\r\n", b"\n")
    check(f"a list from {what}", done.stdout.replace(b"\r\n", b"\n") == expected
          if expected else done.returncode == 1 and
          b"vilify: (standard input) has no nouns." in told)
if not wine:
    fifo = scratch / "fifo"
    os.mkfifo(fifo)
    reader = subprocess.Popen([str(command), "--list", str(fifo)], stdout=subprocess.PIPE)
    try:
        # Opened without blocking, so that a command that never reads it cannot hang the test.
        deadline = time.monotonic() + 30
        writer = None
        while writer is None and reader.poll() is None and time.monotonic() < deadline:
            try:
                writer = os.open(fifo, os.O_WRONLY | os.O_NONBLOCK)
            except OSError as error:
                if error.errno != errno.ENXIO:  # no reader yet
                    raise
                time.sleep(0.01)
        if writer is not None:
            os.write(writer, listed)
            os.close(writer)
        check("a list from a FIFO", writer is not None and
              reader.communicate(timeout=30)[0] == b"vile toad\n")
    finally:
        reader.kill()
        reader.wait()
    substituted = f"{shlex.quote(str(command))} --list <(printf 'J vile\\nN toad\\n')"
    done = subprocess.run(["bash", "-c", substituted], capture_output=True, timeout=60)
    check("a list from a process substitution", done.stdout == b"vile toad\n")

# Without --list the command reads the list beside it, as a portable window does.
portable = scratch / "portable"
portable.mkdir()
shutil.copy(command, portable / command.name)
(portable / "WORDLIST.TXT").write_bytes(b"J only\nN one\n")
check("the list beside the command", run(program=portable / command.name)[1] == b"only one\n")
(portable / "WORDLIST.TXT").unlink()
status, _, err = run(program=portable / command.name)
check("without it, the message the window gives", status == 1 and
      err.startswith(b"vilify: Can't run without WORDLIST.TXT,\n"))

# The list of the user's language beside the command, the English one where it has none.
(portable / "wordlist.txt").write_bytes(b"J english\nN toad\n")
(portable / "wordlist.de.txt").write_bytes(b"J deutsch\nN toad\n")
by_locale = [
    ({"LC_ALL": "de_DE.UTF-8"}, b"deutsch toad\n"),
    ({"LANG": "C"}, b"english toad\n"),
    ({}, b"english toad\n"),
    ({"LC_ALL": "fr_FR.UTF-8"}, b"english toad\n"),
]
# Wine makes the user's language of LANG only where the system has that locale, and never of
# LANGUAGE.
if not wine:
    by_locale += [
        ({"LANG": "de_DE.UTF-8"}, b"deutsch toad\n"),
        ({"LANG": "fr_FR.UTF-8", "LANGUAGE": "es:de"}, b"deutsch toad\n"),
        ({"LANG": "de_DE.UTF-8", "LANGUAGE": "en:de"}, b"english toad\n"),
        ({"LANG": "C", "LANGUAGE": "de"}, b"english toad\n"),
        ({"LC_ALL": "de_AT.UTF-8@euro", "LANG": "C"}, b"deutsch toad\n"),
        ({"LC_ALL": "C", "LANG": "de_DE.UTF-8"}, b"english toad\n"),
        ({"LC_MESSAGES": "de_CH", "LANG": "en_US"}, b"deutsch toad\n"),
    ]
for locale, expected in by_locale:
    check(f"the list read under {locale}",
          run(program=portable / command.name, locale=locale)[1] == expected)
by_language = [("en", {"LANG": "de_DE.UTF-8"}, b"english toad\n"),
               ("de", {"LANG": "C"}, b"deutsch toad\n"),
               ("de", {"LANG": "fr_FR.UTF-8"}, b"deutsch toad\n")]
for code, locale, expected in by_language:
    check(f"--language {code} under {locale}",
          run("--language", code, program=portable / command.name, locale=locale)[1] == expected)
status, out, _ = run("--language", "de", "--check", program=portable / command.name)
check("--check of --language's list names it",
      "list: " + native(portable / "wordlist.de.txt") in lines(out))
status, _, err = run("--language", "es", program=portable / command.name)
check("--language of a list that is not there names it", status == 1 and
      err.startswith(b"vilify: Can't run without WORDLIST.ES.TXT,\n") and
      native(portable / "wordlist.es.txt").encode() in err)
status, _, err = run("--language", "de", "--list", small)
check("--language with --list is a usage error", status == 2 and b"--language" in err)
(portable / "wordlist.de.txt").unlink()
(portable / "wordlist.de.txt").mkdir()
status, _, err = run(program=portable / command.name, locale={"LC_ALL": "de_DE.UTF-8"})
check("a message about the list of the user's language names it", status == 1 and
      err.startswith(b"vilify: Can't run without WORDLIST.DE.TXT,\n"))

# Words beyond ASCII come out as UTF-8, byte for byte, whatever the list's encoding.
encoded = [
    ("UTF-8", "J café\nN 𝔭𝔲𝔰𝔱𝔲𝔩𝔢\n".encode(), "café 𝔭𝔲𝔰𝔱𝔲𝔩𝔢\n"),
    ("Windows-1252", "J café\nN naïf\n".encode("cp1252"), "café naïf\n"),
    ("UTF-16", "\ufeffJ Ærgerlig\r\nN ørn\r\n".encode("utf-16-le"), "Ærgerlig ørn\n"),
]
for what, content, expected in encoded:
    status, out, _ = run("--list", write_list("encoded.txt", content), "--single")
    check(f"a {what} list's words", status == 0 and out == expected.encode())

# --check: the findings and the summary, line by line, and the status.
checks = [
    ("the grammar of a French list: every fault the notation allows",
     "@language fr\nNn truc\nN crapaud\nNf limace\nJ puant\nJx sale\nJ a/b/c\nJa vieux/vieille\n"
     "Ja sot/sote\nVx tr\u00e8s\nV tr\u00e8s\n@language de\n".encode(), 0,
     ["{}:2: the letter n is no gender of a noun in fr: nothing is taken",
      "{}:3: a noun without a gender in a list in fr: no adjective could agree with it (write "
      "Nm, Nf or Nn): nothing is taken",
      "{}:6: the letter x is no place of an adjective: a (after the noun) or b (before it): "
      "nothing is taken",
      '{}:7: the adjective "a/b/c" needs 2 forms in fr, separated by "/", none empty: nothing '
      "is taken",
      '{}:8: note: the feminine "vieille" is not what the rule makes of "vieux", "vieuse": '
      "right if the word is irregular",
      "{}:10: an adverb takes no letter after its V: it never changes: nothing is taken",
      "{}:12: a language line after a word or another language line is ignored: put one before "
      "the first word",
      "language: fr", "encoding: UTF-8", "line ends: LF", "lines: 12 (7 comments, 0 blank)",
      "words: 1 adverb, 3 adjectives, 1 noun", "adverb share: 0.250",
      "different epithets: at most 6, or 3 with --single"]),
    ("a German form spelled otherwise than the rule makes it",
     "@language de\nNm Frosch\nJb dunkler/dunkle/dunkels\nJb feige\n".encode(), 0,
     ['{}:3: note: the neuter "dunkels" is not what the rule makes of "dunkle", "dunkles": '
      "right if the word is irregular",
      "language: de", "encoding: UTF-8", "line ends: LF", "lines: 4 (1 comment, 0 blank)",
      "words: 0 adverbs, 2 adjectives, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 2 with --single"]),
    ("grammar lines in a list that does not say its language, and an unknown language",
     b"@language xx\nNm Frosch\nJb faul\nN toad\nJ vile\n", 0,
     ['{}:1: the language "xx" is unknown (de, fr, es or en): the list is read as English',
      "{}:2: a grammar letter after the class letter, in a list read as English, which has none "
      "(a list says its language with @language de, fr or es before its first word): nothing is "
      "taken",
      "{}:3: a grammar letter after the class letter, in a list read as English, which has none "
      "(a list says its language with @language de, fr or es before its first word): nothing is "
      "taken",
      "encoding: UTF-8", "line ends: LF", "lines: 5 (3 comments, 0 blank)",
      "words: 0 adverbs, 1 adjective, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 1 with --single"]),
    ("words that are not what they seem",
     b"J\tnecrotic\nN \nJ ne\x07crotic\nN pustule\nn pustule\nJ caf\xe9\n# a comment\n\n"
     b"J \x07\nJ tabbed\t\n   \n", 0,
     ["{}:1: a tab follows the class letter J, where a space must: nothing is taken",
      "{}:2: the class letter N and a space, but no word: nothing is taken",
      '{}:3: the word "ne\\u0007crotic" is taken as "ne crotic"',
      '{}:5: the noun "pustule" is on line 4 too: it is drawn twice as often',
      '{}:6: not valid UTF-8, so read as Windows-1252: "café"',
      '{}:9: the word "\\u0007" is nothing once cleaned: nothing is taken',
      '{}:10: the word "tabbed\\t" holds a tab, which stays part of it',
      "encoding: UTF-8 (words read as Windows-1252: 1)", "line ends: LF",
      "lines: 11 (4 comments, 2 blank)", "words: 0 adverbs, 3 adjectives, 2 nouns",
      "adverb share: 0.000", "different epithets: at most 3, or 3 with --single"]),
    ("a bidirectional control left open", "V \u202eutterly\r\nJ vile\r\nN toad".encode(), 0,
     ['{}:1: the word "\\u202Eutterly" is taken as "utterly"', "encoding: UTF-8",
      "line ends: CR LF", "lines: 3 (0 comments, 0 blank)",
      "words: 1 adverb, 1 adjective, 1 noun", "adverb share: 0.500",
      "different epithets: at most 2, or 1 with --single"]),
    ("UTF-16 with mixed line ends", "\ufeffJ a\r\nN b\nJ c\rN d\n".encode("utf-16-be"), 0,
     ["encoding: UTF-16 big-endian", "line ends: mixed: 1 CR LF, 2 LF, 1 CR",
      "lines: 4 (0 comments, 0 blank)", "words: 0 adverbs, 2 adjectives, 2 nouns",
      "adverb share: 0.000", "different epithets: at most 4, or 4 with --single"]),
    ("a CR LF across the reader's 64 KiB chunks", b"#" * 65535 + b"\r\nJ a\r\nN b\r\n", 0,
     ["encoding: UTF-8", "line ends: CR LF", "lines: 3 (1 comment, 0 blank)",
      "words: 0 adverbs, 1 adjective, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 1 with --single"]),
    ("a lone CR at the end of the reader's first chunk", b"#" * 65535 + b"\rJ a\rN b\r", 0,
     ["encoding: UTF-8", "line ends: CR", "lines: 3 (1 comment, 0 blank)",
      "words: 0 adverbs, 1 adjective, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 1 with --single"]),
    ("a word in two classes, an isolate's end, a class letter alone",
     "J\nJ rank\r\nN rank\nJ \u2069x\nJ \u2069x\n".encode(), 0,
     ["{}: too few nouns to keep a word from being repeated: where every noun echoes the words "
      'before it, one is taken all the same, as in "\\u2069x, rank rank"',
      "{}:1: the class letter J alone, with no word: nothing is taken",
      '{}:4: the word "\\u2069x" holds \\u2069, which does not show',
      '{}:5: the word "\\u2069x" holds \\u2069, which does not show',
      '{}:5: the adjective "\\u2069x" is on line 4 too: it is drawn twice as often',
      "encoding: UTF-8", "line ends: mixed: 1 CR LF, 4 LF", "lines: 5 (1 comment, 0 blank)",
      "words: 0 adverbs, 3 adjectives, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 2 with --single"]),
    ("characters that do not show, a no-break space at an end",
     "J vi\u200ble\nJ \u00a0rank\nN toad\nN w\u00adar\u2060t\ufeff\u1160\n".encode(), 0,
     ['{}:1: the word "vi\\u200Ble" holds \\u200B, which does not show',
      '{}:2: the word "\\u00A0rank" has a space at an end that is not trimmed: \\u00A0',
      '{}:4: the word "w\\u00ADar\\u2060t\\uFEFF\\u1160" holds \\u00AD, \\u2060, \\uFEFF, '
      "\\u1160, which do not show",
      "encoding: UTF-8", "line ends: LF", "lines: 4 (0 comments, 0 blank)",
      "words: 0 adverbs, 2 adjectives, 2 nouns", "adverb share: 0.000",
      "different epithets: at most 4, or 4 with --single"]),
    ("UTF-16 without its mark", "J vile\r\nN toad\r\n".encode("utf-16-le"), 1,
     ["{}: this looks like UTF-16 little-endian without its byte-order mark, so it is read as "
      "bytes and no word is taken: save it with the mark, or as UTF-8",
      "encoding: UTF-8", "line ends: mixed: 2 LF, 2 CR", "lines: 5 (5 comments, 0 blank)",
      "words: 0 adverbs, 0 adjectives, 0 nouns", "adverb share: 0.000"]),
    ("an odd last byte of UTF-16", "\ufeffJ vile\nN toad".encode("utf-16-be") + b"d", 0,
     ["{}: the last byte is left over: UTF-16 takes two bytes a character, so it is not read",
      "encoding: UTF-16 big-endian", "line ends: LF", "lines: 2 (0 comments, 0 blank)",
      "words: 0 adverbs, 1 adjective, 1 noun", "adverb share: 0.000",
      "different epithets: at most 1, or 1 with --single"]),
    ("a list the window cannot run on", b"J vile\nJ vile\n", 1,
     ['{}:2: the adjective "vile" is on line 1 too: it is drawn twice as often',
      "encoding: UTF-8", "line ends: LF", "lines: 2 (0 comments, 0 blank)",
      "words: 0 adverbs, 2 adjectives, 0 nouns", "adverb share: 0.000"]),
]
for what, content, expected, report in checks:
    name = write_list("checked.txt", content)
    status, out, err = run("--check", name)
    # The summary opens by naming the list it read.
    summary = next(i for i, line in enumerate(report)
                   if line.startswith(("language: ", "encoding: ")))
    report = report[:summary] + ["list: {}"] + report[summary:]
    check(f"--check: {what}", status == expected and
          lines(out) == [line.format(name) for line in report] and
          (err == b"") == (expected == 0))
# What cannot be written is told, after the verdict, and never changes the status that the list
# gives; nor does a huge line that memory cannot hold end it any other way than the loader.
def closed_pipe():
    reader, writer = os.pipe()
    os.close(reader)
    return writer


adjectives = write_list("adjectives.txt", b"J vile\nJ rank\n")
unwritable = [
    ("a check of a list the window cannot run on, to a closed pipe", ["--check", adjectives],
     closed_pipe, 1, b"vilify: " + adjectives.encode() + b" has no nouns."),
    ("a check of a good list, to a closed pipe", ["--check", small], closed_pipe, 0, b""),
]
if not wine:
    unwritable += [
        ("the help, to a full disk", ["--help"], lambda: open("/dev/full", "wb"), 1,
         b"vilify: Can't write the help: "),
        ("one epithet, to a full disk", ["--list", small], lambda: open("/dev/full", "wb"), 1,
         b"vilify: Can't write the epithets: "),
        ("a check, to a full disk", ["--check", small], lambda: open("/dev/full", "wb"), 1,
         b"vilify: Can't write the report: "),
    ]
for what, options, output, expected, said in unwritable:
    stream = output()
    status, _, err = run(*options, stdout=stream)
    os.close(stream) if isinstance(stream, int) else stream.close()
    check(what, status == expected and err.startswith(said) and (said != b"") == (err != b""))

if not wine and not sanitized:
    huge = write_list("huge.txt", b"".join(b"J %06d" % i + b"x" * 1016 + b"\n"
                                           for i in range(128 << 10)))
    status, out, err = run("--check", huge, limit=256 << 20)
    check("a check of words larger than memory says so", status == 1 and out == b"" and
          err.startswith(b"vilify: " + huge.encode() + b" is too large: there is not enough"))
    # Its lines, read as words to leave out, take two bytes a byte.
    status, out, err = run("--list", small, "--exclude", huge, limit=160 << 20)
    check("so do words to leave out larger than memory", status == 1 and out == b"" and
          err.startswith(b"vilify: " + huge.encode() + b" is too large: there is not enough"))
    os.remove(huge)

# A stream that never ends a line is read no further than the longest line a list may have.
if not wine:
    endless = b"/dev/zero is not a word list: line 1 is longer than 16 MiB.\n"
    unreadable = (b"Can't read the words to leave out, /dev/zero: line 1 is longer than "
                  b"16 MiB.\n")
    for what, options, told in (
            ("a list", ["--list", "/dev/zero"], endless),
            ("a check", ["--check", "/dev/zero"], endless),
            ("words to leave out", ["--list", small, "--exclude", "/dev/zero"], unreadable)):
        status, out, err = run(*options, limit=1 << 30)
        check(f"{what} of one endless line says so", status == 1 and out == b"" and
              err == b"vilify: " + told)

# Names are printed so that every byte can be read back, as words are.
if not wine:
    odd = scratch / "odd\nnamé\udcff.txt"  # the last a byte that is not UTF-8
    odd.write_bytes(b"J vile\nJ vile\nN toad\n")
    status, out, _ = run("--check", str(odd))
    check("an odd name, escaped", lines(out)[0] == f'"{scratch}/odd\\u000Anamé\\xFF.txt":2: '
          'the adjective "vile" is on line 1 too: it is drawn twice as often')

# Words left out: never printed, counted out of the summary, and those the list lacks named.
status, out, _ = run("--check", ranked, "--exclude", excluded)
check("--check names the words left out that the list lacks", status == 0 and
      lines(out)[0] == excluded + ':3: the word "nope" is not in the list' and
      "words: 0 adverbs, 1 adjective, 1 noun" in lines(out) and
      "lines: 5 (0 comments, 0 blank, 3 left out)" in lines(out))
more = write_list("more.txt", b"zilch\n")
status, out, _ = run("--check", ranked, "--exclude", excluded, "--exclude", more)
check("--check names each file's words that the list lacks under that file's name",
      status == 0 and lines(out)[:2] == [excluded + ':3: the word "nope" is not in the list',
                                         more + ':1: the word "zilch" is not in the list'])
sour, toad = write_list("sour.txt", b"sour\n"), write_list("toad.txt", b"toad\n")
emptied = [(["--exclude", excluded, "--exclude", sour], b"adjectives",
            excluded.encode() + b" and " + sour.encode()),
           (["--exclude", excluded, "--exclude", more, "--exclude", toad], b"nouns",
            excluded.encode() + b", " + more.encode() + b" and " + toad.encode()),
           (["--exclude", excluded, "--exclude", sour, "--exclude", toad],
            b"adjectives and no nouns",
            excluded.encode() + b", " + sour.encode() + b" and " + toad.encode())]
for action in (["--list", ranked], ["--check", ranked]):
    for exclusions, none, files in emptied:
        status, out, err = run(*action, *exclusions)
        check(f"{action[0]} names the files whose words left no {none.decode()}", status == 1 and
              err.split(b"\n")[-3:] == [b"vilify: " + ranked.encode() + b" has no " + none + b".",
                                        b"vilify: That is with the words of " + files +
                                        b" left out.", b""])
status, _, err = run("--list", no_nouns)
check("a list without nouns and nothing left out says no more", status == 1 and
      err.replace(b"\r", b"") == b"vilify: " + no_nouns.encode() + b" has no nouns.\n")
status, _, err = run("--list", native(scratch / "absent.txt"), "--exclude", excluded)
check("a list that cannot be read says nothing of the words left out",
      status == 1 and err.startswith(b"vilify: Can't run without") and b"left out" not in err)
for first, later, shows in ((["--help"], ["--bogus"], b"Usage: vilify"),
                            (["--version"], ["--help"], b"vilify (Zestive Vilifex)"),
                            (["--help"], ["--check", ranked], b"Usage: vilify")):
    status, out, _ = run(*first, *later)
    check(f"{first[0]} acts before {later[0]}", status == 0 and out.startswith(shows))

# Each shipped list has its harshest words beside it, named as it is (wordlist.de.txt,
# mild.de.txt), for --exclude: every word there is in that list, and the notes leave nothing out.
shipped_lists = sorted((ROOT / "data").glob("wordlist*.txt"))
mild_lists = sorted((ROOT / "data").glob("mild*.txt"))
check("a mild list for each shipped list, and none for another",
      [path.name.replace("mild", "wordlist", 1) for path in mild_lists] ==
      [path.name for path in shipped_lists])
for shipped in shipped_lists:
    mild = shipped.with_name(shipped.name.replace("wordlist", "mild", 1))
    status, out, _ = run("--check", "--list", native(shipped), "--exclude", native(mild))
    lacking = [line for line in lines(out) if line.startswith(native(mild) + ":")]
    check(f"every word of {mild.name} is in {shipped.name} (lacking: {lacking})",
          status == 0 and lacking == [] and f"list: {native(shipped)}" in lines(out))

status, out, err = run("--check", missing)
check("--check of a missing list", status == 1 and out == b"" and b"Can't run without" in err)
status, out, _ = run("--list", native(DEFAULT_LIST), "--check")
# Its modifiers of which one holds the start of the other stay, as its epithets must.
check("--check of the default list finds only modifiers that echo each other", status == 0 and
      lines(out)[0].startswith(native(DEFAULT_LIST) + ": two modifiers can stand together") and
      lines(out)[1] == "list: " + native(DEFAULT_LIST))

# Completion in bash, from the script that the build made beside the command's own build.
completion = command.parent.parent / "command" / "completions" / "vilify"
if not wine and completion.exists() and shutil.which("bash"):
    def completed(*words):
        script = (f"source {completion}; COMP_WORDS=(vilify {' '.join(words)}); "
                  f"COMP_CWORD={len(words)}; _vilify; printf '%s\\n' \"${{COMPREPLY[@]}}\"")
        return subprocess.run(["bash", "-c", script], capture_output=True, text=True,
                              cwd=scratch).stdout.split()
    check("bash completes an option's prefix", completed("--sing") == ["--single"])
    check("and every option", set(completed("--")) == {"--" + name for name in in_help})
    check("and a list's file name", "small.txt" in completed("--list", "sm"))
    zsh = completion.with_name("_vilify").read_text()
    check("zsh's completion beside it", zsh.startswith("#compdef vilify\n") and
          all(f"'--{name}" in zsh for name in in_help))

shutil.rmtree(scratch)
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
