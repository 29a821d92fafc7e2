#!/usr/bin/env python3
"""Penlark and a peer editor side by side on the same book, each under the
same virtual X server (run by bench/peers.sh inside xvfb-run).

For each program, one after the other, in a fresh home folder:
  open        start of the process to idle: the window is shown and then
              a whole second follows with no more CPU than the program's
              background (below), read over the 3 s after its work calmed
              down (a second under 15 % of a core)
  cpu_per_key 200 letters typed at the end of the book, 30 ms apart
              (xdotool, through the X server as a keyboard would); the
              process's CPU time (utime + stime of every thread, from
              /proc/PID/stat) from before the first key to idle, / 200.
              Idle here is a whole second with no more CPU than the
              program's own background (cursor blinks, clocks) measured
              for 3 s before the keys, plus half of that or 10 ms,
              whichever is more (a fixed share would never be met by a
              program whose cursor blinks cost more on a slow machine).
  cpu_per_enter  20 Enters 200 ms apart, the same way, / 20
  enter_stall the longest time the GUI thread took to answer a window
              manager ping (_NET_WM_PING, sent every 2 ms by xping) during a
              second run of 20 Enters; pings cost CPU, so they are not sent
              while CPU is measured
  peak_memory the process's peak resident memory (VmHWM)

The two are measured in turn, PEERS_ROUNDS times (3 unless set), and each
figure printed is the median of the rounds: one round moves by a tenth and
more on a shared machine, for either program. Each round's ratio of CPU
per key is printed too.

Usage: peers.py BOOK XPING PENLARK_BINARY PEER_BINARY WORKDIR
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

TICK = os.sysconf("SC_CLK_TCK")


def cpu_ms(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000.0 / TICK


def peak_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def find_window(pid, deadline):
    while time.monotonic() < deadline:
        out = xdotool("search", "--onlyvisible", "--pid", str(pid))
        windows = [w for w in out.split() if w]
        best = None
        for w in windows:
            geo = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", w).splitlines() if "=" in line)
            area = int(geo.get("WIDTH", 0)) * int(geo.get("HEIGHT", 0))
            if area > 200 * 200 and (best is None or area > best[1]):
                best = (w, area, geo)
        if best:
            return best[0], best[2]
        time.sleep(0.05)
    raise RuntimeError("no window")


def run_ns(pid):
    """Each live thread's run time in ns (/proc/PID/task/TID/schedstat): far
    finer than the 10 ms ticks of /proc/PID/stat, which would make a second
    of cursor blinks read as 0, 10 or 20 ms."""
    times = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                times[tid] = int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # the thread ended meanwhile
    return times


def used_ms(older, newer):
    """CPU used between two run_ns() readings by the threads alive at the
    second (one that started since counts whole)."""
    return sum(ns - older.get(tid, 0) for tid, ns in newer.items()) / 1e6


def wait_idle(pid, deadline, allowed_ms, quiet=1.0):
    """Waits until the process uses at most allowed_ms of CPU in `quiet`
    seconds; returns the time and CPU (cpu_ms, every thread ever) at the
    start of that quiet stretch."""
    samples = []
    while time.monotonic() < deadline:
        now = time.monotonic()
        samples.append((now, cpu_ms(pid), run_ns(pid)))
        # The oldest sample at least `quiet` seconds back.
        while len(samples) > 2 and now - samples[1][0] >= quiet:
            samples.pop(0)
        if now - samples[0][0] >= quiet and used_ms(samples[0][2], samples[-1][2]) <= allowed_ms:
            return samples[0][:2]
        time.sleep(0.02)
    raise RuntimeError("never idle")


def wait_open(pid, deadline, busy_ms=150.0, settle=3.0):
    """Waits until the process has stopped working flat out (a second under
    busy_ms) and for `settle` seconds more; returns the start of the first
    whole second that used no more than idle_after() of the background read
    over those last seconds, and that background."""
    samples = []
    calm = None
    while time.monotonic() < deadline:
        now = time.monotonic()
        samples.append((now, run_ns(pid)))
        if calm is None:
            back = next((s for s in reversed(samples) if now - s[0] >= 1.0), None)
            if back and used_ms(back[1], samples[-1][1]) <= busy_ms:
                calm = back
        elif now - calm[0] >= 1.0 + settle:
            first = next(s for s in samples if s[0] >= now - settle)
            background = used_ms(first[1], samples[-1][1]) / (now - first[0])
            allowed = idle_after(background)
            for i, (at, times) in enumerate(samples):
                end = next((s for s in samples[i:] if s[0] - at >= 1.0), None)
                if end and used_ms(times, end[1]) <= allowed:
                    return at, background
        time.sleep(0.02)
    raise RuntimeError("never idle")


def background_ms(pid, seconds=3.0):
    """What the idle process uses per second (cursor blinks, clocks)."""
    before = run_ns(pid)
    time.sleep(seconds)
    return used_ms(before, run_ns(pid)) / seconds


def idle_after(background):
    """CPU allowed in a second that counts as idle again after an action."""
    return background + max(10.0, background / 2)


def keys(key, count, delay_ms):
    subprocess.run(["xdotool", "key", "--delay", str(delay_ms), *([key] * count)], check=True)


def measure(name, command, env, xping, workdir):
    figures = {}
    log = open(os.path.join(workdir, name + ".log"), "w")
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT, cwd=workdir)
    try:
        window, geo = find_window(process.pid, start + 120)
        opened, background = wait_open(process.pid, start + 300)
        figures["open"] = (opened - start, "s")
        # A click into the text, then the end of the book.
        x = int(geo["X"]) + int(geo["WIDTH"]) * 2 // 3
        y = int(geo["Y"]) + int(geo["HEIGHT"]) // 2
        xdotool("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.3)
        xdotool("key", "ctrl+End")
        wait_idle(process.pid, time.monotonic() + 60, idle_after(background))
        allowed = idle_after(background_ms(process.pid))
        figures["idle_allowed"] = (allowed, "ms/s")

        letters = "abcdefghijklmnopqrstuvwxyz"
        before = cpu_ms(process.pid)
        subprocess.run(["xdotool", "key", "--delay", "30", *[letters[i % 26] for i in range(200)]], check=True)
        _, after = wait_idle(process.pid, time.monotonic() + 120, allowed)
        figures["cpu_per_key"] = ((after - before) / 200, "ms")

        if os.environ.get("PEERS_SCREENSHOTS"):
            subprocess.run(["import", "-window", "root", os.path.join(workdir, name + "-typed.png")])
        before = cpu_ms(process.pid)
        keys("Return", 20, 200)
        _, after = wait_idle(process.pid, time.monotonic() + 120, allowed)
        figures["cpu_per_enter"] = ((after - before) / 20, "ms")

        ping = subprocess.Popen([xping, window, "2", "5.5"], stdout=subprocess.PIPE, text=True)
        time.sleep(0.3)
        keys("Return", 20, 200)
        out, _ = ping.communicate(timeout=60)
        result = dict(line.split(":", 1) for line in out.splitlines() if ":" in line)
        if int(result.get("pings", "0")) < 100:
            raise RuntimeError(f"{name} did not answer pings: {out}")
        figures["enter_stall"] = (float(result["longest"].split()[0]), "ms")
        wait_idle(process.pid, time.monotonic() + 120, allowed)
        figures["peak_memory"] = (peak_mb(process.pid), "MB")

        if os.environ.get("PEERS_SCREENSHOTS"):
            subprocess.run(["import", "-window", "root", os.path.join(workdir, name + ".png")])
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        log.close()
    return figures


def home_for(workdir, name):
    home = os.path.join(workdir, name, "home")
    runtime = os.path.join(workdir, name, "runtime")
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    tmp = os.path.join(workdir, name, "tmp")
    os.makedirs(tmp)
    env = dict(os.environ)
    env.update({
        "HOME": home,
        # Penlark's one-instance lock lives in TMPDIR: a Penlark of somebody
        # else's on this machine must not stop the one measured here.
        "TMPDIR": tmp,
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_DATA_HOME": os.path.join(home, ".local/share"),
        "XDG_RUNTIME_DIR": runtime,
        "QT_QPA_PLATFORM": "xcb",
        "QT_QUICK_BACKEND": "software",
        "LIBGL_ALWAYS_SOFTWARE": "1",
    })
    return home, env


def main():
    book, xping, penlark, peer, workdir = sys.argv[1:6]
    rounds = int(os.environ.get("PEERS_ROUNDS", "3"))
    results = {"penlark": [], "focuswriter": []}

    for number in range(1, rounds + 1):
        folder = os.path.join(workdir, f"round{number}")
        home, penlark_env = home_for(folder, "penlark")
        chapter = os.path.join(home, "Documents/Penlark/Book/chapter1.txt")
        os.makedirs(os.path.dirname(chapter))
        shutil.copyfile(book, chapter)
        settings = os.path.join(home, "Library/Penlark/Settings/Unknown Organization")
        os.makedirs(settings)
        with open(os.path.join(settings, "Penlark.ini"), "w") as f:
            f.write("[Save]\nCurrentFile=file://%s\n" % chapter)
        home, peer_env = home_for(folder, "peer")
        copy = os.path.join(home, "book.txt")
        shutil.copyfile(book, copy)
        # Both copies on disk before either program starts, as a writer's
        # book is: the system would otherwise write them back while the
        # programs are measured, in the measured program's time when it
        # reads the file's cache in certain ways.
        os.sync()
        results["penlark"].append(measure("penlark", [penlark], penlark_env, xping, folder))
        results["focuswriter"].append(measure("focuswriter", [peer, copy], peer_env, xping, folder))

    medians = {}
    for name, runs in results.items():
        medians[name] = {}
        for key, (_, unit) in runs[0].items():
            value = statistics.median(run[key][0] for run in runs)
            medians[name][key] = value
            print(f"{name}_{key}: {value:.3f} {unit}")
    for key in ("open", "cpu_per_key", "cpu_per_enter", "enter_stall", "peak_memory"):
        ours, theirs = medians["penlark"][key], medians["focuswriter"][key]
        print(f"ratio_{key}: {ours / theirs if theirs else float('inf'):.3f} x")
    for number, (ours, theirs) in enumerate(zip(results["penlark"], results["focuswriter"]), 1):
        print(f"ratio_cpu_per_key_round{number}: {ours['cpu_per_key'][0] / theirs['cpu_per_key'][0]:.3f} x")
    targets = {"open": 0.3, "cpu_per_key": 1.0, "cpu_per_enter": 1.5, "peak_memory": 1.0}
    for key, target in targets.items():
        print(f"ratio_{key}_target: {target:.3f} x")
    print("penlark_enter_stall_target: 16.000 ms")


if __name__ == "__main__":
    main()
