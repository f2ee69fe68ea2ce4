#!/usr/bin/env python3
"""Presses the keys a student might try in the exam session, in a QEMU guest
that logs into it as a lab machine would, and records what each did.

    trial.py IMAGE_DIR ARTIFACTS_DIR [--vga virtio|std] [--accel kvm|tcg]

For every key: a screenshot after it (PNG in ARTIFACTS_DIR), whether the
player's window is still what the screen shows (the screenshot before the
key, mostly equal), the guest's active console, and whether the player and
the machine still run. The table goes to ARTIFACTS_DIR/results.md.
"""

import argparse
import os
import sys
import time

from PIL import Image, ImageChops

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from guest import Machine, poll  # noqa: E402

# The key combinations, in the order tried; the ones that could end the
# session or the machine come last.
# Each is a list of chords pressed one after the other: Alt+SysRq+R gives
# the keyboard back to the kernel, whose own Ctrl+Alt+F2 then switches.
KEYS = [
    ("Alt+Tab", [["alt", "tab"]]),
    ("Alt+F4", [["alt", "f4"]]),
    ("Super", [["meta_l"]]),
    *[(f"Ctrl+Alt+F{n}", [["ctrl", "alt", f"f{n}"]]) for n in range(1, 7)],
    ("Ctrl+Alt+Backspace", [["ctrl", "alt", "backspace"]]),
    ("Ctrl+Alt+Delete", [["ctrl", "alt", "delete"]]),
    # Leaves the session's console in the kernel's keyboard mode: after the
    # keys above.
    ("Alt+SysRq+R, then Ctrl+Alt+F2", [["alt", "sysrq", "r"], ["ctrl", "alt", "f2"]]),
    ("Alt+SysRq+B", [["alt", "sysrq", "b"]]),
]

# Pixels whose channels differ by more than this count as changed; a screen
# with at most this share of changed pixels is the same screen (a text
# cursor blinks).
CHANNEL_TOLERANCE = 24
SAME_SCREEN_SHARE = 0.01
# How long a key's effect is watched for: a console switch or a window
# change shows within a frame or two; a session that ends takes longer.
WATCH_SECONDS = 6


class Trial:
    def __init__(self, image_dir, artifacts, vga, accel):
        self.artifacts = artifacts
        self.run_dir = os.path.join(os.path.dirname(os.path.abspath(image_dir)), "run")
        self.machine = Machine(image_dir, self.run_dir, vga, accel)
        self.shots = 0

    # --- what the guest shows and runs ---------------------------------
    def screen(self):
        self.shots += 1
        path = os.path.join(self.run_dir, f"screen-{self.shots % 4}.ppm")
        self.machine.monitor.screendump(path)
        poll("the screenshot", lambda: os.path.exists(path) and os.path.getsize(path) > 0, 10, 0.05)
        with Image.open(path) as image:
            return image.convert("RGB")

    def active_console(self):
        status, output = self.machine.agent.run("/bin/cat", "/sys/class/tty/tty0/active")
        return output.strip() if status == 0 else "?"

    def running(self, name):
        status, _ = self.machine.agent.run("/usr/bin/pgrep", "-x", name)
        return status == 0

    def boot_id(self):
        _, output = self.machine.agent.run("/bin/cat", "/proc/sys/kernel/random/boot_id")
        return output.strip()

    # --- waiting for states --------------------------------------------
    def settled_screen(self, timeout=60):
        """The screen once two shots in a row are the same."""
        previous = [self.screen()]

        def settled():
            current = self.screen()
            same = same_screen(previous[0], current)
            previous[0] = current
            return current if same else None

        return poll("a settled screen", settled, timeout, 0.5)

    def wait_for_player(self, timeout):
        poll("the guest agent", self.machine.agent.alive, timeout, 1)
        poll("vorn-player in the session", lambda: self.running("vorn-player"), timeout, 1)
        return poll("the player's window", lambda: shown(self.settled_screen()), timeout, 1)

    def type_name_and_start(self, first_window):
        """Answers the name question as a student would (Enter goes to the
        next field, and from the last one on), and waits for the test's
        window."""
        for key in [*"ivan", "ret", "7", "b", "ret", "ret"]:
            self.machine.monitor.press([key], 60)
        try:
            return poll("the test's window",
                        lambda: (lambda s: s if not same_screen(s, first_window) else None)(
                            self.settled_screen()), 60, 0.5)
        except TimeoutError:
            self.save(self.screen(), "failed-no-test-window")
            raise

    def reach_test_window(self, timeout):
        first = self.wait_for_player(timeout)
        self.save(first, "00-name-question")
        test_window = self.type_name_and_start(first)
        self.save(test_window, "01-test-window")
        return test_window

    # --- one key --------------------------------------------------------
    def try_key(self, label, chords, before, session_console, boot):
        for chord in chords:
            self.machine.monitor.press(chord)
        deadline = time.monotonic() + WATCH_SECONDS
        after, console, player, same_boot = before, session_console, True, True
        while time.monotonic() < deadline:
            time.sleep(0.5)
            if not self.machine.agent.alive():
                same_boot = False
                break
            after = self.screen()
            console = self.active_console()
            player = self.running("vorn-player")
            if console != session_console or not player:
                break
        if same_boot and self.machine.agent.alive():
            same_boot = self.boot_id() == boot
        else:
            same_boot = False
        if same_boot:
            after = self.settled_screen()
        self.save(after, "key-" + label.replace(", then ", "-then-"))
        return verdict(same_boot, player, console, session_console, same_screen(before, after))

    def restore(self, session_console, boot, timeout):
        """Brings the session back to the test's window after a key escaped."""
        if self.machine.agent.alive() and self.boot_id() == boot:
            if self.running("vorn-player"):
                if self.active_console() != session_console:
                    self.machine.agent.run("/bin/chvt", session_console.removeprefix("tty"))
                    poll("the session's console again",
                         lambda: self.active_console() == session_console, 20)
                return self.settled_screen(), boot
            self.machine.agent.run("/bin/systemctl", "restart", "lightdm", timeout=60)
        window = self.reach_test_window(timeout)
        return window, self.boot_id()

    def save(self, image, name):
        image.save(os.path.join(self.artifacts, f"{name}.png"))

    def run(self):
        started = time.monotonic()
        before = self.reach_test_window(600)
        boot_seconds = time.monotonic() - started
        session_console = self.active_console()
        boot = self.boot_id()
        rows = []
        for label, chords in KEYS:
            result = self.try_key(label, chords, before, session_console, boot)
            print(f"vm-session-trial: {label}: {result}", flush=True)
            rows.append((label, result))
            before, boot = self.restore(session_console, boot, 600)
        return rows, session_console, boot_seconds


def same_screen(first, second):
    if first.size != second.size:
        return False
    difference = ImageChops.difference(first, second).convert("L")
    changed = sum(difference.point(lambda v: 255 if v > CHANNEL_TOLERANCE else 0)
                  .histogram()[255:])
    return changed <= SAME_SCREEN_SHARE * first.size[0] * first.size[1]


def shown(image):
    """A screen with something on it: not one colour (black before cage,
    a bare backdrop)."""
    colours = image.getcolors(maxcolors=64)
    return image if colours is None or len(colours) > 8 else None


def verdict(same_boot, player, console, session_console, same):
    if not same_boot:
        return "escaped: the machine restarted"
    if not player:
        return "escaped: the player ended (the session is over)"
    if console != session_console:
        return f"escaped: switched to console {console} (the session is on {session_console})"
    if not same:
        return "the screen changed, the player still runs on the session's console (see the PNG)"
    return "swallowed"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("image_dir")
    parser.add_argument("artifacts")
    parser.add_argument("--vga", default="virtio", choices=["virtio", "std"])
    parser.add_argument("--accel", default="kvm", choices=["kvm", "tcg"])
    arguments = parser.parse_args()
    os.makedirs(arguments.artifacts, exist_ok=True)
    trial = Trial(arguments.image_dir, arguments.artifacts, arguments.vga, arguments.accel)
    started = time.monotonic()
    try:
        rows, console, boot_seconds = trial.run()
    finally:
        trial.machine.stop()
    lines = [
        "# The exam session's keys in a virtual machine",
        "",
        f"Debian 12 guest (QEMU), LightDM autologin into the exam session,"
        f" `-vga {arguments.vga} -accel {arguments.accel} -smp 1 -m 2048`;"
        f" the session runs on {console}. Boot to the test's window: {boot_seconds:.0f} s;"
        f" the whole trial: {time.monotonic() - started:.0f} s. Screenshots: `key-*.png`.",
        "",
        "| key | result |",
        "|---|---|",
        *[f"| {label} | {result} |" for label, result in rows],
        "",
    ]
    with open(os.path.join(arguments.artifacts, "results.md"), "w") as out:
        out.write("\n".join(lines))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
