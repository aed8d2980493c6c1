#!/usr/bin/python3
"""Makes the pictures, sounds, MIDI tune and video of the PLANETS sample test.

Everything is our own: the planets are drawn here with PIL, the voices are
spoken by espeak-ng, the chimes are made with sox, the tune is written note by
note below, and the video is put together by ffmpeg from frames drawn here.

Needs (Debian): python3-pil, espeak-ng, sox, ffmpeg, fonts-dejavu-core.
The build and the tests never run this script: its output is committed in
samples/PLANETS. Run it again only to change the media:

    /usr/bin/python3 scripts/make-planets-media.py [samples/PLANETS]

The formats are the ones the tests' programs show and play: JPEG and BMP
pictures, 16-bit PCM WAV sounds, a standard MIDI file and an MJPEG AVI video.
"""
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SPACE = (6, 8, 28)


def font(size, bold=False):
    return ImageFont.truetype(FONT_BOLD if bold else FONT, size)


def starfield(w, h, seed, count):
    rnd = random.Random(seed)
    img = Image.new("RGB", (w, h), SPACE)
    d = ImageDraw.Draw(img)
    for _ in range(count):
        x, y = rnd.randrange(w), rnd.randrange(h)
        b = rnd.randrange(90, 256)
        tint = rnd.choice([(1, 1, 1), (1, 0.9, 0.8), (0.8, 0.9, 1)])
        d.point((x, y), fill=tuple(int(b * t) for t in tint))
        if b > 235:
            d.point([(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)], fill=(b // 2,) * 3)
    return img


def shade(base, light):
    return tuple(max(0, min(255, int(c * light))) for c in base)


def planet(img, cx, cy, r, colours, bands=(), spots=(), cap=False, glow=False):
    """Draws a lit sphere: colour bands, spots, an optional polar cap."""
    w, h = img.size
    px = img.load()
    lx, ly, lz = -0.55, -0.45, 0.7
    n = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / n, ly / n, lz / n
    for y in range(max(0, cy - r), min(h, cy + r + 1)):
        for x in range(max(0, cx - r), min(w, cx + r + 1)):
            dx, dy = (x - cx) / r, (y - cy) / r
            q = dx * dx + dy * dy
            if q > 1:
                continue
            dz = math.sqrt(1 - q)
            lum = 0.25 + 0.95 * max(0.0, dx * lx + dy * ly + dz * lz)
            if glow:
                lum = 1.0 - 0.35 * q
            col = colours[0]
            for (y0, y1, c) in bands:
                if y0 <= dy <= y1:
                    col = c
            for (sx, sy, sr, c) in spots:
                if (dx - sx) ** 2 + (dy - sy) ** 2 <= sr * sr:
                    col = c
            if cap and dy < -0.8:
                col = (240, 240, 245)
            px[x, y] = shade(col, lum)


def caption(img, text, size=18):
    d = ImageDraw.Draw(img)
    f = font(size, True)
    tw = d.textlength(text, font=f)
    d.text(((img.width - tw) / 2, img.height - size - 12), text, font=f, fill=(235, 235, 250))


def planet_picture(name, seed, **kw):
    img = starfield(320, 240, seed, 160)
    planet(img, 160, 108, 82, **kw)
    caption(img, name)
    return img


def saturn_picture():
    img = starfield(320, 240, 7, 160)
    d = ImageDraw.Draw(img)
    # The far half of the rings behind the planet, the near half in front.
    for k, col in enumerate([(150, 130, 95), (205, 185, 140), (170, 150, 110)]):
        d.arc([20 + k * 8, 80 + k * 3, 300 - k * 8, 140 - k * 3], 180, 360, fill=col, width=5)
    planet(img, 160, 110, 58, colours=[(214, 190, 140)],
           bands=[(-0.5, -0.35, (196, 168, 120)), (0.1, 0.25, (190, 160, 112))])
    d = ImageDraw.Draw(img)
    for k, col in enumerate([(150, 130, 95), (205, 185, 140), (170, 150, 110)]):
        d.arc([20 + k * 8, 80 + k * 3, 300 - k * 8, 140 - k * 3], 0, 180, fill=col, width=5)
    caption(img, "Saturn")
    return img


def title_picture():
    img = starfield(480, 300, 11, 300)
    planet(img, -40, 150, 120, colours=[(255, 200, 60)], glow=True)
    for (x, r, c) in [(120, 10, (160, 160, 160)), (160, 16, (230, 200, 130)), (210, 17, (60, 110, 200)),
                      (255, 12, (200, 80, 40)), (320, 36, (210, 170, 120)), (400, 30, (214, 190, 140))]:
        planet(img, x, 150, r, colours=[c])
    d = ImageDraw.Draw(img)
    f = font(34, True)
    text = "The Planets Quiz"
    tw = d.textlength(text, font=f)
    d.text(((480 - tw) / 2 + 2, 32), text, font=f, fill=(0, 0, 0))
    d.text(((480 - tw) / 2, 30), text, font=f, fill=(255, 220, 110))
    f = font(16)
    text = "Twelve questions about our solar system"
    tw = d.textlength(text, font=f)
    d.text(((480 - tw) / 2, 250), text, font=f, fill=(210, 220, 255))
    return img


def space_picture():
    img = starfield(640, 480, 5, 700)
    planet(img, 560, 400, 130, colours=[(60, 110, 200)],
           spots=[(-0.3, -0.2, 0.35, (70, 140, 70)), (0.25, 0.3, 0.3, (80, 130, 60))])
    return img.filter(ImageFilter.SMOOTH)


def wallpaper_tile():
    """A 128 x 128 tile of faint stars: large and sparse enough that the
    repeat does not show as a grid."""
    rnd = random.Random(3)
    img = Image.new("RGB", (128, 128), SPACE)
    d = ImageDraw.Draw(img)
    for _ in range(22):
        x, y = rnd.randrange(128), rnd.randrange(128)
        b = rnd.randrange(70, 200)
        d.point((x, y), fill=(b, b, min(255, b + 20)))
    for _ in range(3):
        x, y = rnd.randrange(1, 127), rnd.randrange(1, 127)
        d.point((x, y), fill=(240, 240, 255))
        d.point([(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)], fill=(110, 110, 140))
    return img


def icon():
    img = Image.new("RGB", (64, 64), SPACE)
    planet(img, 32, 32, 20, colours=[(214, 190, 140)], bands=[(-0.3, -0.1, (190, 160, 112))])
    d = ImageDraw.Draw(img)
    d.ellipse([4, 24, 60, 40], outline=(230, 210, 160), width=2)
    planet(img, 32, 32, 20, colours=[(214, 190, 140)], bands=[(-0.3, -0.1, (190, 160, 112))])
    d.arc([4, 24, 60, 40], 0, 180, fill=(230, 210, 160), width=2)
    return img


def orbit_frames(folder, count):
    """Four inner planets going round the Sun, one Earth year in 60 frames."""
    f = font(14, True)
    small = font(11)
    orbits = [("Mercury", 34, 0.2408, (170, 170, 170), 4), ("Venus", 56, 0.6152, (230, 200, 130), 6),
              ("Earth", 80, 1.0, (70, 130, 230), 6), ("Mars", 104, 1.8808, (210, 90, 50), 5)]
    base = starfield(320, 240, 21, 120)
    for i in range(count):
        img = base.copy()
        d = ImageDraw.Draw(img)
        cx, cy = 160, 124
        for (_, a, _, _, _) in orbits:
            d.ellipse([cx - a, cy - a * 0.55, cx + a, cy + a * 0.55], outline=(45, 50, 80))
        planet(img, cx, cy, 12, colours=[(255, 200, 60)], glow=True)
        d = ImageDraw.Draw(img)
        t = i / count
        for (name, a, period, col, r) in orbits:
            ang = 2 * math.pi * t / period
            x, y = cx + a * math.cos(ang), cy + a * 0.55 * math.sin(ang)
            d.ellipse([x - r, y - r, x + r, y + r], fill=col)
            d.text((x + r + 2, y - 6), name, font=small, fill=(200, 200, 220))
        days = int(round(t * 365))
        d.text((10, 8), "Day %d of one Earth year" % days, font=f, fill=(255, 230, 140))
        img.save(os.path.join(folder, "f%03d.png" % i))


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def speak(out, text, work):
    raw = os.path.join(work, "raw.wav")
    run("espeak-ng", "-v", "en-gb", "-s", "145", "-w", raw, text)
    # 16 kHz mono 16-bit PCM: small, and every audio output takes it.
    run("sox", "-R", "-D", raw, "-r", "16000", "-c", "1", "-b", "16", out)


def chime(out, notes, work):
    parts = []
    for k, (freq, length) in enumerate(notes):
        p = os.path.join(work, "n%d.wav" % k)
        run("sox", "-R", "-n", "-r", "16000", "-c", "1", "-b", "16", p, "synth", str(length), "pluck", str(freq),
            "fade", "0", str(length), str(length * 0.9), "vol", "0.6")
        parts.append(p)
    run("sox", "-R", *parts, out)


def spoken_after_chime(out, notes, text, work):
    c = os.path.join(work, "chime.wav")
    v = os.path.join(work, "voice.wav")
    chime(c, notes, work)
    speak(v, text, work)
    run("sox", "-R", c, v, out)


def midi_tune(out):
    """A slow tune in C major over a bass line: format 0, one track."""
    ticks = 240   # per quarter note

    def var(n):
        b = [n & 0x7F]
        n >>= 7
        while n:
            b.insert(0, 0x80 | (n & 0x7F))
            n >>= 7
        return bytes(b)

    events = []   # (time, bytes)
    # Programs: channel 0 vibraphone, channel 1 string ensemble.
    events += [(0, bytes([0xC0, 11])), (0, bytes([0xC1, 48])), (0, bytes([0xB1, 7, 70]))]
    melody = [(67, 2), (72, 2), (76, 2), (74, 1), (72, 1), (71, 2), (67, 2), (69, 4),
              (65, 2), (69, 2), (72, 2), (71, 1), (69, 1), (67, 4), (72, 4),
              (76, 2), (79, 2), (77, 2), (76, 1), (74, 1), (72, 2), (74, 2), (76, 4),
              (74, 2), (71, 2), (67, 2), (69, 1), (71, 1), (72, 8)]
    t = 0
    for (note, beats) in melody:
        d = beats * ticks // 2
        events.append((t, bytes([0x90, note, 84])))
        events.append((t + d - 10, bytes([0x80, note, 0])))
        t += d
    bass = [48, 45, 41, 43, 48, 45, 41, 43, 48]
    bt = 0
    for note in bass:
        length = t // len(bass)
        events.append((bt, bytes([0x91, note, 60])))
        events.append((bt, bytes([0x91, note + 7, 50])))
        events.append((bt + length - 10, bytes([0x81, note, 0])))
        events.append((bt + length - 10, bytes([0x81, note + 7, 0])))
        bt += length
    events.sort(key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80))
    track = bytearray(var(0) + bytes([0xFF, 0x51, 3]) + (600000).to_bytes(3, "big"))   # 100 beats a minute
    track += var(0) + bytes([0xFF, 0x03, 17]) + b"Music of Spheres\x00"[:17]
    last = 0
    for (time, data) in events:
        track += var(time - last) + data
        last = time
    track += var(ticks) + bytes([0xFF, 0x2F, 0])
    with open(out, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, ticks))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + bytes(track))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "samples", "PLANETS")
    os.makedirs(out, exist_ok=True)

    def jpg(img, name):
        img.save(os.path.join(out, name), "JPEG", quality=82, optimize=True)

    jpg(planet_picture("The Sun", 1, colours=[(255, 190, 50)], glow=True,
                       spots=[(-0.2, 0.1, 0.08, (230, 150, 30)), (0.3, -0.2, 0.06, (230, 150, 30))]), "sun.jpg")
    jpg(planet_picture("Mercury", 2, colours=[(165, 160, 155)],
                       spots=[(-0.3, -0.2, 0.15, (120, 118, 115)), (0.35, 0.3, 0.1, (125, 120, 118)),
                              (0.1, -0.5, 0.08, (130, 126, 120))]), "mercury.jpg")
    jpg(planet_picture("Venus", 3, colours=[(232, 204, 140)],
                       bands=[(-0.4, -0.2, (222, 190, 125)), (0.2, 0.45, (224, 196, 132))]), "venus.jpg")
    jpg(planet_picture("Earth", 4, colours=[(50, 100, 200)],
                       spots=[(-0.35, -0.1, 0.3, (70, 140, 70)), (0.3, 0.25, 0.28, (90, 130, 60)),
                              (0.1, -0.45, 0.15, (240, 240, 245))], cap=True), "earth.jpg")
    jpg(planet_picture("Mars", 5, colours=[(200, 85, 45)],
                       spots=[(-0.2, 0.1, 0.25, (150, 60, 35)), (0.35, -0.1, 0.15, (160, 65, 38))], cap=True),
        "mars.jpg")
    jpg(planet_picture("Jupiter", 6, colours=[(215, 180, 140)],
                       bands=[(-0.7, -0.5, (180, 140, 100)), (-0.25, -0.1, (190, 150, 110)),
                              (0.15, 0.3, (175, 130, 95)), (0.55, 0.7, (185, 150, 115))],
                       spots=[(0.3, 0.22, 0.14, (190, 80, 50))]), "jupiter.jpg")
    jpg(saturn_picture(), "saturn.jpg")
    jpg(planet_picture("Neptune", 8, colours=[(60, 90, 220)],
                       bands=[(-0.2, -0.1, (80, 110, 230))], spots=[(-0.2, 0.2, 0.1, (30, 50, 150))]),
        "neptune.jpg")
    jpg(title_picture(), "title.jpg")
    jpg(space_picture(), "space.jpg")
    wallpaper_tile().save(os.path.join(out, "stars.bmp"), "BMP")
    icon().save(os.path.join(out, "planets.bmp"), "BMP")

    work = tempfile.mkdtemp()
    try:
        speak(os.path.join(out, "welcome.wav"), "Welcome to the Planets Quiz.", work)
        speak(os.path.join(out, "mars.wav"), "Mars is red because its dust is rusty.", work)
        speak(os.path.join(out, "goodbye.wav"), "Thank you for taking the Planets Quiz. Goodbye!", work)
        spoken_after_chime(os.path.join(out, "right.wav"), [(784, 0.18), (1047, 0.35)], "Well done!", work)
        spoken_after_chime(os.path.join(out, "wrong.wav"), [(220, 0.3)], "Not quite.", work)
        spoken_after_chime(os.path.join(out, "cheer.wav"), [(523, 0.15), (659, 0.15), (784, 0.3)],
                           "Excellent! You know your planets.", work)
        frames = os.path.join(work, "frames")
        os.makedirs(frames)
        orbit_frames(frames, 60)
        video = os.path.join(out, "orbits.avi")
        if os.path.exists(video):
            os.remove(video)
        run("ffmpeg", "-loglevel", "error", "-framerate", "12", "-i", os.path.join(frames, "f%03d.png"),
            "-c:v", "mjpeg", "-q:v", "6", "-pix_fmt", "yuvj420p", "-an", video)
    finally:
        shutil.rmtree(work)
    midi_tune(os.path.join(out, "spheres.mid"))


if __name__ == "__main__":
    main()
