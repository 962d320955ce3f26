"""Runs the real Dormo programs on virtual X displays, for the stress tests
and the benchmarks.

A `Display` is an Xvfb server with a watcher that timestamps every top-level
window map and unmap with the process that owns the window. `LinuxProgram`
starts build/linux/dormo, `WineProgram` Dormo.exe under Wine (build/win32, or
build/win64 where this machine cannot run 32-bit programs), each
in a run directory of its own with its own settings file, optionally as an
unprivileged user so that file permissions are enforced.
"""
import os
import pwd
import queue
import shutil
import subprocess
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TOOLS = ROOT / "build" / "e2e-tools"
DORMO = Path(os.environ.get("DORMO", ROOT / "build" / "linux" / "dormo"))
HERE = Path(__file__).resolve().parent


def _wine_build():
    """win32, or win64 where this kernel cannot run 32-bit programs; on win64
    machines Wine's 64-bit loader comes first on PATH as "wine"."""
    build = os.environ.get("WINE_BUILD") or subprocess.run(
        [str(ROOT / "tools" / "wine-target")], capture_output=True, text=True,
        check=True).stdout.strip()
    if build == "win64":
        shims = str(ROOT / "tools" / "wine64")
        if shims not in os.environ["PATH"].split(os.pathsep):
            os.environ["PATH"] = shims + os.pathsep + os.environ["PATH"]
        os.environ["WINELOADER"] = "/usr/lib/wine/wine64"
    return build


WINE_BUILD = _wine_build()
MINGW = "x86_64-w64-mingw32" if WINE_BUILD == "win64" else "i686-w64-mingw32"
DORMO_EXE = ROOT / "build" / WINE_BUILD / "Dormo.exe"


def sh(*args, **kw):
    return subprocess.run(args, check=True, **kw)


def build_tools():
    """The X watcher and the probe commands that log when they were started."""
    TOOLS.mkdir(parents=True, exist_ok=True)
    sh("gcc", "-O2", "-Wall", "-Werror", str(HERE / "xwatch.c"), "-lX11", "-o",
       str(TOOLS / "xwatch"))
    sh(f"{MINGW}-gcc", "-O2", "-Wall", "-Werror", "-mwindows",
       str(HERE / "probe_command.c"), "-o", str(TOOLS / "probe.exe"))
    probe = TOOLS / "probe.sh"
    probe.write_text('#!/bin/sh\nlog=$1; shift\necho "$(date +%s.%N) $*" >> "$log"\n')
    probe.chmod(0o755)


class Display:
    """An Xvfb display (any client may connect) and its map/unmap watcher."""

    def __init__(self, number=None, wm=False):
        # Xvfb picks a free display number itself and writes it to a pipe,
        # so parallel runs never collide; `number` is only a label.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      "1280x1024x24", "-nolisten", "tcp", "-ac"],
                                     pass_fds=[write_end], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number_text = pipe.readline().strip()
        if not number_text:
            raise RuntimeError("Xvfb did not start")
        self.name = f":{number_text}"
        self.watch = subprocess.Popen([str(TOOLS / "xwatch")], env=self.env(),
                                      stdout=subprocess.PIPE, text=True)
        assert self.watch.stdout.readline().strip() == "ready"
        self.wm = None
        if wm:
            # A desktop has a window manager; Wine waits for one to confirm
            # that a hidden window is withdrawn, up to two seconds without.
            self.wm = subprocess.Popen(["openbox"], env=self.env(), stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            end = time.time() + 10
            while b"window id" not in subprocess.run(
                    ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env(),
                    capture_output=True).stdout:
                if time.time() > end:
                    raise RuntimeError("openbox did not start")
                time.sleep(0.1)
        self.events = queue.Queue()
        self.lock = threading.Lock()
        self.mapped = {}  # window id -> pid, for windows mapped now
        threading.Thread(target=self._read, daemon=True).start()

    def env(self, **extra):
        return dict(os.environ, DISPLAY=self.name, **extra)

    def _read(self):
        for line in self.watch.stdout:
            parts = line.rstrip("\n").split(" ", 4)
            t, what, window, pid = float(parts[0]), parts[1], parts[2], int(parts[3])
            with self.lock:
                if what == "map":
                    self.mapped[window] = pid
                else:
                    pid = self.mapped.pop(window, pid)
            self.events.put((t, what, window, pid))

    def drain(self):
        while not self.events.empty():
            self.events.get_nowait()

    def wait(self, kind, after, timeout):
        """The first `kind` event at or after `after`: (time, window id, pid)."""
        end = time.time() + timeout
        while time.time() < end:
            try:
                t, what, window, pid = self.events.get(timeout=0.1)
            except queue.Empty:
                continue
            if what == kind and t >= after:
                return t, window, pid
        raise TimeoutError(f"no window {kind} on {self.name} within {timeout} s")

    def windows(self):
        with self.lock:
            return dict(self.mapped)

    def key(self, window, *keys):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env(),
                       capture_output=True, timeout=10)
        for k in keys:
            sh("xdotool", "key", k, env=self.env())
            time.sleep(0.05)

    def has_colour(self, rgb):
        """Whether any pixel of the screen has this colour."""
        out = subprocess.run(
            ["sh", "-c", "import -window root ppm:- | convert ppm:- -depth 8 -unique-colors txt:-"],
            env=self.env(), capture_output=True, text=True).stdout.lower()
        return "#%02x%02x%02x" % rgb in out

    def close(self):
        if self.wm:
            self.wm.kill()
        self.watch.kill()
        self.xvfb.terminate()
        self.xvfb.wait()


def settings_bytes(lines, crlf):
    end = "\r\n" if crlf else "\n"
    return (end.join(lines) + end).encode()


class User:
    """An unprivileged account for runs where file permissions must hold."""

    NAME = "dormo-test"

    def __init__(self):
        try:
            pwd.getpwnam(self.NAME)
        except KeyError:
            sh("useradd", "--system", "--create-home", "--home-dir", f"/var/tmp/{self.NAME}",
               self.NAME, stdout=subprocess.DEVNULL)
        entry = pwd.getpwnam(self.NAME)
        self.uid, self.gid, self.home = entry.pw_uid, entry.pw_gid, entry.pw_dir

    def own(self, path):
        for p in [path, *Path(path).rglob("*")]:
            os.lchown(p, self.uid, self.gid)


class Program:
    """What both front ends share: run directories, processes, stopping."""

    def __init__(self, work, user=None):
        self.work = Path(work)
        self.user = user

    def popen(self, args, env, cwd=None):
        kw = {}
        if self.user:
            kw = dict(user=self.user.uid, group=self.user.gid, extra_groups=[])
            env = dict(env, HOME=self.user.home, USER=User.NAME, LOGNAME=User.NAME)
        return subprocess.Popen(args, env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, **kw)

    def alive(self, pids):
        return [p for p in pids if Path(f"/proc/{p}").exists() and
                "State:\tZ" not in Path(f"/proc/{p}/status").read_text()]


class LinuxProgram(Program):
    name = "linux"
    crlf = False

    def run_dir(self, name):
        d = self.work / f"linux-{name}"
        (d / "config" / "dormo").mkdir(parents=True, exist_ok=True)
        (d / "runtime").mkdir(mode=0o700, exist_ok=True)
        return d

    def ini(self, run_dir):
        return run_dir / "config" / "dormo" / "Dormo.INI"

    def command(self, log):
        return str(TOOLS / "probe.sh"), str(log)

    def env(self, run_dir, display):
        return display.env(XDG_CONFIG_HOME=str(run_dir / "config"),
                           XDG_RUNTIME_DIR=str(run_dir / "runtime"), QT_QPA_PLATFORM="xcb")

    def start(self, run_dir, display):
        if self.user:
            self.user.own(run_dir)
        return self.popen([str(DORMO)], self.env(run_dir, display))

    def pids(self, run_dir):
        """The dormo processes of this run directory."""
        return _pids_with_env("dormo", f"XDG_RUNTIME_DIR={run_dir / 'runtime'}")

    def stop(self, run_dir, display):
        for pid in self.pids(run_dir):
            os.kill(pid, 9)


class WineProgram(Program):
    name = "win32"
    crlf = True

    def __init__(self, work, user=None):
        super().__init__(work, user)
        self.prefix = self.work / ("wineprefix-user" if user else "wineprefix")
        if not self.prefix.exists():
            self.prefix.mkdir(parents=True)
            if user:
                user.own(self.prefix)
            env = dict(os.environ, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=", DISPLAY="")
            self.popen(["wineboot", "-i"], env).wait()
            self.popen(["wineserver", "-w"], env).wait()

    def run_dir(self, name):
        d = self.work / f"win32-{name}"
        d.mkdir(parents=True, exist_ok=True)
        if not (d / "prefix").exists():
            # A prefix of its own: its own wineserver, so a session of its own.
            shutil.copytree(self.prefix, d / "prefix", symlinks=True, copy_function=_link_or_copy)
        shutil.copy(DORMO_EXE, d / "Dormo.exe")
        shutil.copy(TOOLS / "probe.exe", d / "probe.exe")
        return d

    def ini(self, run_dir):
        return run_dir / "Dormo.INI"

    def command(self, log):
        return "probe.exe", "Z:" + str(log).replace("/", "\\")

    def env(self, run_dir, display):
        return display.env(WINEPREFIX=str(run_dir / "prefix"), WINEDEBUG="-all",
                           WINEDLLOVERRIDES="mscoree,mshtml=")

    def start(self, run_dir, display, exe="Dormo.exe"):
        if self.user:
            self.user.own(run_dir)
        return self.popen(["wine", str(run_dir / exe)], self.env(run_dir, display), cwd=run_dir)

    def pids(self, run_dir):
        return _pids_with_env("Dormo.exe", f"WINEPREFIX={run_dir / 'prefix'}")

    def stop(self, run_dir, display):
        self.popen(["wineserver", "-k"], self.env(run_dir, display)).wait()


def _link_or_copy(source, target):
    # A prefix is mostly system DLLs that Wine never writes: share them. The
    # registry files are written, so each prefix gets its own.
    if source.endswith(".reg") or "update-timestamp" in source:
        shutil.copy2(source, target)
    else:
        os.link(source, target)


def _pids_with_env(pattern, entry):
    out = subprocess.run(["pgrep", "-f", pattern], capture_output=True, text=True).stdout
    found = []
    for pid in map(int, out.split()):
        try:
            environ = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if entry.encode() in environ:
            found.append(pid)
    return found


def programs(work, user=None):
    # Wine's prefix is made on first use, so build the list lazily. Tests share
    # a program between threads: one makes it while the others wait, or they
    # would copy a prefix that Wine is still setting up.
    class Lazy:
        def __init__(self, cls, name):
            self.cls, self.name, self.made = cls, name, None
            self.lock = threading.Lock()

        def __getattr__(self, attr):
            with self.lock:
                if self.made is None:
                    self.made = self.cls(work, user)
            return getattr(self.made, attr)

    return [Lazy(LinuxProgram, "linux"), Lazy(WineProgram, "win32")]
