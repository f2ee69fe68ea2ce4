"""The trial's guest: a QEMU machine, its monitor (QMP) and its guest agent.

The monitor takes screenshots and presses keys as a keyboard would; the guest
agent runs commands inside the guest (the active console, whether the player
still runs). Every wait polls a state with a deadline.
"""

import base64
import json
import os
import socket
import subprocess
import time


class Channel:
    """A line-delimited JSON connection to a QEMU socket."""

    def __init__(self, path, timeout):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(timeout)
        self.sock.connect(path)
        self.buffer = b""

    def send(self, message):
        self.sock.sendall(json.dumps(message).encode() + b"\n")

    def receive(self):
        while b"\n" not in self.buffer:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise ConnectionError("the socket closed")
            self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return json.loads(line.lstrip(b"\xff")) if line.strip(b"\xff \r") else None

    def close(self):
        self.sock.close()


class Monitor:
    """QMP: the machine's own controls."""

    def __init__(self, path):
        self.channel = Channel(path, 30)
        self.channel.receive()  # the greeting
        self.execute("qmp_capabilities")

    def execute(self, command, **arguments):
        self.channel.send({"execute": command, "arguments": arguments})
        while True:
            reply = self.channel.receive()
            if reply is None or "event" in reply:
                continue
            if "error" in reply:
                raise RuntimeError(f"{command}: {reply['error']}")
            return reply["return"]

    def screendump(self, path):
        if os.path.exists(path):
            os.remove(path)
        self.execute("screendump", filename=path)

    def press(self, keys, hold_ms=150):
        self.execute("send-key", keys=[{"type": "qcode", "data": key} for key in keys],
                     **{"hold-time": hold_ms})


class Agent:
    """The QEMU guest agent: commands run inside the guest as root."""

    def __init__(self, path):
        self.path = path
        self.next_id = int(time.time()) % 100000

    def _call(self, command, arguments=None, timeout=10):
        channel = Channel(self.path, timeout)
        try:
            # A reply left over from an earlier, abandoned call is skipped
            # by syncing on a fresh id first.
            self.next_id += 1
            channel.send({"execute": "guest-sync-delimited", "arguments": {"id": self.next_id}})
            while True:
                reply = channel.receive()
                if reply and reply.get("return") == self.next_id:
                    break
            message = {"execute": command}
            if arguments:
                message["arguments"] = arguments
            channel.send(message)
            while True:
                reply = channel.receive()
                if reply is None:
                    continue
                if "error" in reply:
                    raise RuntimeError(f"{command}: {reply['error']}")
                return reply["return"]
        finally:
            channel.close()

    def run(self, *argv, timeout=20):
        """Runs argv in the guest; returns (exit status, standard output)."""
        pid = self._call("guest-exec", {"path": argv[0], "arg": list(argv[1:]),
                                        "capture-output": True})["pid"]
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            status = self._call("guest-exec-status", {"pid": pid})
            if status["exited"]:
                output = base64.b64decode(status.get("out-data", "")).decode(errors="replace")
                return status.get("exitcode", -1), output
            time.sleep(0.1)
        raise TimeoutError(f"{argv} did not end in {timeout} s")

    def alive(self):
        try:
            self._call("guest-ping", timeout=3)
            return True
        except (OSError, ConnectionError, RuntimeError, ValueError):
            return False


def poll(what, check, timeout, interval=0.5):
    """Calls check until it returns a true value; raises after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"waited {timeout} s for {what}")
        time.sleep(interval)


class Machine:
    """The guest booted from the image's kernel, with its disk as a snapshot:
    every trial starts from the image as it was made."""

    def __init__(self, image_dir, run_dir, vga, accel):
        self.run_dir = run_dir
        os.makedirs(run_dir, exist_ok=True)
        qmp = os.path.join(run_dir, "qmp.sock")
        qga = os.path.join(run_dir, "qga.sock")
        for path in (qmp, qga):
            if os.path.exists(path):
                os.remove(path)
        self.process = subprocess.Popen([
            "qemu-system-x86_64", "-accel", accel, "-m", "2048", "-smp", "1",
            "-vga", vga, "-display", "none", "-nic", "none",
            "-kernel", os.path.join(image_dir, "vmlinuz"),
            "-initrd", os.path.join(image_dir, "initrd.img"),
            "-append", "root=/dev/vda rw console=ttyS0",
            "-drive", f"file={os.path.join(image_dir, 'guest.img')},format=raw,if=virtio",
            "-snapshot",
            "-qmp", f"unix:{qmp},server=on,wait=off",
            "-chardev", f"socket,path={qga},server=on,wait=off,id=qga0",
            "-device", "virtio-serial",
            "-device", "virtserialport,chardev=qga0,name=org.qemu.guest_agent.0",
            "-serial", f"file:{os.path.join(run_dir, 'serial.log')}",
        ], stdout=subprocess.DEVNULL, stderr=open(os.path.join(run_dir, "qemu.log"), "w"))
        poll("QEMU's monitor socket", lambda: os.path.exists(qmp) or self._ended(), 30, 0.1)
        self.monitor = Monitor(qmp)
        self.agent = Agent(qga)

    def _ended(self):
        if self.process.poll() is not None:
            raise RuntimeError(f"QEMU ended ({self.process.returncode}); see qemu.log")
        return False

    def stop(self):
        try:
            self.monitor.execute("quit")
        except (OSError, ConnectionError, RuntimeError):
            pass
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
