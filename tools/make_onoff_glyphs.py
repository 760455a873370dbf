#!/usr/bin/env python3
"""Draws the glyph strips of the on/off button.

Each strip holds four frames in a 2 x 2 layout: top left on and enabled, top
right off and enabled, bottom left on and disabled, bottom right off and
disabled. Pixels of the key colour RGB(235, 190, 235) are not part of the
picture. Shapes are sampled 4 x 4 times per pixel: inside a shape the samples
are averaged (smooth edges between shapes), while a pixel less than half
covered by any shape takes the key colour, so the outline against the key is
hard and no pixel mixes with it. The disabled frames are the enabled ones
turned to pale grey.

    CHECKBOX     32 x 32   check box: ticked / empty
    RADIOBUT     28 x 28   radio button: dot / empty
    SLIDETOPBOT  36 x 60   grey slide switch: knob up / down
    SLIDELFTRGT  60 x 36   grey slide switch: knob right / left
    COLSLIDETB   36 x 60   coloured slide switch: green, knob up / grey, knob down
    COLSLIDELR   60 x 36   coloured slide switch: green, knob right / grey, knob left
    LEDREDGREEN  28 x 28   LED: green / red
    ARROWTR      50 x 50   arrow: up / right
    ARROWUD      50 x 50   arrow: up / down
    ARROWLR      50 x 50   arrow: left / right
    TRAFFICLGT   62 x 62   pedestrian light: green lit / red lit
    BEVELEDLED   34 x 34   LED in a bevelled ring: lit / dark
    SMILEYS      36 x 36   yellow face: smiling / frowning
    SMILEYRG     36 x 36   face: green smiling / red frowning
    BULB         78 x 98   light bulb: glowing / dark
    BUTLAMP      98 x 48   push button with a lamp: lit / dark
    HDLEFT       96 x 32   rocker with its lamp on the left: lit / dark
    HDRIGHT      96 x 32   rocker with its lamp on the right: lit / dark
    USER1..5     48 x 48   power, padlock, speaker, eye, star: on / off

Usage: make_onoff_glyphs.py [OUTPUT_DIR]   (default: ../resources)
Only the Python standard library is used.
"""

import math
import os
import struct
import sys

KEY = (235, 190, 235)
SUB = 4  # samples per pixel in each direction


# ------------------------------------------------------------------ shapes
# A shape is (inside(x, y) -> bool, colour(x, y) -> (r, g, b)); later shapes
# lie above earlier ones.

def solid(c):
    return lambda x, y: c


def vgrad(y0, c0, y1, c1):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return colour


def radial(cx, cy, r, c0, c1):
    def colour(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return colour


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
            if (y1 <= y < y2) or (y2 <= y < y1):
                if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                    hit = not hit
        return hit
    return inside


def stroke(points, width):
    """A polyline of the given width with round ends and joins."""
    half = width / 2

    def inside(x, y):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            vx, vy = bx - ax, by - ay
            t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
            t = min(1.0, max(0.0, t))
            if math.hypot(x - ax - t * vx, y - ay - t * vy) <= half:
                return True
        return False
    return inside


def arc(cx, cy, r, width, a0, a1):
    """A circular arc from angle a0 to a1 (degrees, counter-clockwise from 3 o'clock, y up)."""
    half = width / 2

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > half:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        lo, hi = a0 % 360, a1 % 360
        return lo <= a <= hi if lo <= hi else a >= lo or a <= hi
    return inside


def union(*parts):
    return lambda x, y: any(p(x, y) for p in parts)


# ------------------------------------------------------------------ rendering

def render(width, height, shapes):
    pixels = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(SUB):
                y = py + (sy + 0.5) / SUB
                for sx in range(SUB):
                    x = px + (sx + 0.5) / SUB
                    for inside, colour in reversed(shapes):
                        if inside(x, y):
                            c = colour(x, y)
                            acc[0] += c[0]
                            acc[1] += c[1]
                            acc[2] += c[2]
                            hits += 1
                            break
            if hits * 2 < SUB * SUB:
                row.append(KEY)
            else:
                c = tuple(int(round(v / hits)) for v in acc)
                row.append((c[0], c[1] - 1, c[2]) if c == KEY else c)
        pixels.append(row)
    return pixels


def disabled(frame):
    """The frame in pale grey: the picture's lightness, pressed towards silver."""
    out = []
    for row in frame:
        new = []
        for c in row:
            if c == KEY:
                new.append(KEY)
                continue
            grey = 0.30 * c[0] + 0.59 * c[1] + 0.11 * c[2]
            v = int(round(120 + grey * 0.45))
            new.append((v, v, v))
        out.append(new)
    return out


def strip(on, off):
    """The 2 x 2 strip of the on and off frames and their disabled twins."""
    top = [a + b for a, b in zip(on, off)]
    bottom = [a + b for a, b in zip(disabled(on), disabled(off))]
    return top + bottom


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


# ------------------------------------------------------------------ colours

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
FRAME = (96, 96, 96)
DARK = (48, 48, 48)
GREEN = (40, 180, 70)
LIGHT_GREEN = (150, 240, 140)
DARK_GREEN = (20, 80, 30)
RED = (215, 40, 40)
LIGHT_RED = (255, 160, 150)
DARK_RED = (90, 20, 20)
TRACK_OFF = (170, 170, 170)
KNOB = (245, 245, 245)
YELLOW = (250, 215, 40)
AMBER = (255, 170, 30)
BLUE = (40, 90, 190)


# ------------------------------------------------------------------ the glyphs

def checkbox(on):
    shapes = [(rect(1, 1, 15, 15), solid(FRAME)), (rect(2, 2, 14, 14), vgrad(2, (236, 236, 236), 14, WHITE))]
    if on:
        shapes.append((stroke([(4.5, 8.5), (7, 11.2), (11.8, 4.8)], 2.2), solid((20, 60, 20))))
    return render(16, 16, shapes)


def radiobut(on):
    shapes = [(circle(7, 7, 6.6), solid(FRAME)), (circle(7, 7, 5.5), vgrad(2, (232, 232, 232), 12, WHITE))]
    if on:
        shapes.append((circle(7, 7, 3), radial(6.2, 6.2, 3.2, (90, 90, 90), BLACK)))
    return render(14, 14, shapes)


def slide(width, height, vertical, on, coloured):
    """A track with rounded ends and a knob at its on end (top or right) or off end."""
    if coloured:
        track = GREEN if on else TRACK_OFF
        rim = DARK_GREEN if on else FRAME
    else:
        track = (120, 120, 120)
        rim = DARK
    shapes = [(rounded(0.5, 0.5, width - 0.5, height - 0.5, min(width, height) / 2 - 0.5), solid(rim)),
              (rounded(1.5, 1.5, width - 1.5, height - 1.5, min(width, height) / 2 - 1.5), solid(track))]
    r = min(width, height) / 2 - 2.5
    if vertical:
        cx, cy = width / 2, (2.5 + r) if on else (height - 2.5 - r)
    else:
        cx, cy = (width - 2.5 - r) if on else (2.5 + r), height / 2
    shapes.append((circle(cx, cy + 0.6, r + 0.4), solid((70, 70, 70))))
    shapes.append((circle(cx, cy, r), radial(cx - r / 3, cy - r / 3, r * 1.4, WHITE, (200, 200, 200))))
    if not coloured:
        mark = LIGHT_GREEN if on else (230, 120, 110)
        shapes.append((circle(cx, cy, r / 3), solid(mark)))
    return shapes


def arrow(direction, filled_colour):
    """A bold arrow in a 25 x 25 frame, pointing up, down, left or right."""
    pts = [(12.5, 2), (23, 13), (17, 13), (17, 23), (8, 23), (8, 13), (2, 13)]  # pointing up

    def turn(p):
        x, y = p[0] - 12.5, p[1] - 12.5
        if direction == "down":
            x, y = -x, -y
        elif direction == "right":
            x, y = -y, x
        elif direction == "left":
            x, y = y, -x
        return (x + 12.5, y + 12.5)
    outline = [turn(p) for p in pts]
    inner = [turn(p) for p in [(12.5, 4.2), (20.4, 12.1), (15.6, 12.1), (15.6, 21.6), (9.4, 21.6), (9.4, 12.1),
                               (4.6, 12.1)]]
    return render(25, 25, [(polygon(outline), solid(DARK)), (polygon(inner), vgrad(3, WHITE, 22, filled_colour))])


def traffic_light(on):
    shapes = [(rounded(6, 0.5, 25, 30.5, 3), solid((30, 30, 30))), (rounded(7, 1.5, 24, 29.5, 2), solid((60, 60, 60)))]
    red = (radial(13.5, 6.5, 8, LIGHT_RED, RED) if not on else solid((80, 30, 30)))
    green = (radial(13.5, 20.5, 8, LIGHT_GREEN, GREEN) if on else solid((25, 70, 35)))
    shapes += [(circle(15.5, 8.5, 5.3), red), (circle(15.5, 22.5, 5.3), green)]
    # a walking figure on green, a standing one on red
    figure = (230, 255, 230) if on else WHITE
    if on:
        shapes += [(circle(15.6, 19.3, 1.1), solid(figure)),
                   (stroke([(15.5, 20.8), (15.3, 23.3), (13.6, 25.8)], 1.2), solid(figure)),
                   (stroke([(15.3, 23.3), (17.2, 25.8)], 1.2), solid(figure)),
                   (stroke([(13.8, 22.4), (17.4, 21.4)], 1.0), solid(figure))]
    else:
        shapes += [(circle(15.5, 5.3, 1.1), solid(figure)),
                   (stroke([(15.5, 6.8), (15.5, 12.2)], 1.4), solid(figure)),
                   (stroke([(13.8, 8), (13.8, 10.5)], 1.0), solid(figure)),
                   (stroke([(17.2, 8), (17.2, 10.5)], 1.0), solid(figure))]
    return render(31, 31, shapes)


def beveled_led(on):
    c = 8.5
    lamp = radial(6.5, 6.5, 8, (230, 255, 200), (60, 200, 40)) if on else radial(6.5, 6.5, 8, (110, 130, 110), (30, 50, 30))
    return render(17, 17, [(circle(c, c, 8.3), vgrad(0, WHITE, 17, (90, 90, 90))),
                           (circle(c, c, 6.6), vgrad(0, (90, 90, 90), 17, (240, 240, 240))),
                           (circle(c, c, 5.6), lamp)])


def smiley(face, happy):
    c = 9
    shapes = [(circle(c, c, 8.6), solid((70, 50, 0))), (circle(c, c, 7.7), radial(6.5, 6.5, 9, (255, 250, 200), face)),
              (ellipse(6.4, 7, 1.1, 1.6), solid(BLACK)), (ellipse(11.6, 7, 1.1, 1.6), solid(BLACK))]
    if happy:
        shapes.append((arc(c, 9.2, 4.6, 1.3, 205, 335), solid(BLACK)))
    else:
        shapes.append((arc(c, 15.6, 4.2, 1.3, 40, 140), solid(BLACK)))
    return render(18, 18, shapes)


def bulb(on):
    glass = radial(16, 15, 20, (255, 255, 220), YELLOW) if on else radial(16, 15, 20, WHITE, (190, 195, 200))
    shapes = []
    if on:
        for a in range(0, 360, 30):
            if 60 < a < 120:
                continue
            rad = math.radians(a)
            shapes.append((stroke([(19.5 + 15 * math.cos(rad), 18 - 15 * math.sin(rad)),
                                   (19.5 + 18.5 * math.cos(rad), 18 - 18.5 * math.sin(rad))], 1.6), solid(AMBER)))
    outline = union(circle(19.5, 18, 12.8), polygon([(11, 25), (28, 25), (25.5, 36), (13.5, 36)]))
    inner = union(circle(19.5, 18, 11.8), polygon([(12.2, 25), (26.8, 25), (24.6, 35), (14.4, 35)]))
    shapes += [(outline, solid((120, 110, 60) if on else (110, 110, 110))), (inner, glass),
               (stroke([(16, 27), (16, 20), (19.5, 23), (23, 20), (23, 27)], 1.1),
                solid((220, 120, 0) if on else (130, 130, 130)))]
    for i, y in enumerate((36, 39, 42)):
        shapes.append((rounded(13.5, y, 25.5, y + 2.6, 1.2), solid((150, 150, 150) if i % 2 == 0 else (110, 110, 110))))
    shapes.append((rounded(16.5, 44.5, 22.5, 47.5, 1.5), solid((60, 60, 60))))
    return render(39, 49, shapes)


def button_lamp(on):
    lamp = radial(14, 9, 12, (255, 240, 190), AMBER) if on else solid((110, 90, 60))
    return render(49, 24, [(rounded(0.5, 0.5, 48.5, 23.5, 3), solid(DARK)),
                           (rounded(1.5, 1.5, 47.5, 22.5, 2.5), vgrad(1, (235, 235, 235), 23, (160, 160, 160))),
                           (rounded(5, 5, 24, 19, 2), solid((70, 60, 40))),
                           (rounded(6, 6, 23, 18, 1.5), lamp),
                           (rounded(28, 6, 44, 18, 2), vgrad(6, (200, 200, 200), 18, (120, 120, 120))),
                           (rect(30.5, 11.3, 41.5, 12.7), solid((90, 90, 90)))])


def rocker(lamp_left, on):
    lamp_x = 8 if lamp_left else 40
    lamp = radial(lamp_x - 1.5, 6.5, 6, LIGHT_GREEN, GREEN) if on else solid((50, 80, 55))
    # the rocker is pressed in on the lamp's side when on
    near, far = ((200, 200, 200), (250, 250, 250)) if on else ((250, 250, 250), (200, 200, 200))
    left_col, right_col = (near, far) if lamp_left else (far, near)
    x0, x1 = (15, 45) if lamp_left else (3, 33)
    mid = (x0 + x1) / 2
    return render(48, 16, [(rounded(0.5, 0.5, 47.5, 15.5, 3), solid(DARK)),
                           (rounded(1.5, 1.5, 46.5, 14.5, 2.5), solid((120, 120, 120))),
                           (circle(lamp_x, 8, 5), solid((30, 30, 30))), (circle(lamp_x, 8, 4.2), lamp),
                           (rounded(x0, 3, x1, 13, 2), solid((60, 60, 60))),
                           (rect(x0 + 1, 4, mid, 12), vgrad(4, left_col, 12, (170, 170, 170))),
                           (rect(mid, 4, x1 - 1, 12), vgrad(4, right_col, 12, (170, 170, 170)))])


def user_power(on):
    colour = GREEN if on else (150, 150, 150)
    return render(24, 24, [(circle(12, 12, 11.3), solid(DARK)), (circle(12, 12, 10.3), solid((245, 245, 245))),
                           (arc(12, 12.8, 6, 2.2, 125, 415), solid(colour)),
                           (stroke([(12, 4.5), (12, 11.5)], 2.2), solid(colour))])


def user_lock(on):
    """Locked (on): the shackle closed on both legs; open (off): lifted, the left leg free."""
    lift = 0 if on else 3
    shackle = union(arc(12, 10 - lift, 5, 2.2, 0, 180), stroke([(17, 10 - lift), (17, 12)], 2.2),
                    stroke([(7, 10 - lift), (7, 12 - 2 * lift)], 2.2))
    body = (200, 150, 30) if on else (170, 170, 170)
    return render(24, 24, [(shackle, solid((90, 90, 90))), (rounded(3.5, 11.5, 20.5, 22.5, 2.5), solid(DARK)),
                           (rounded(4.5, 12.5, 19.5, 21.5, 2), vgrad(12, (250, 230, 160) if on else WHITE, 22, body)),
                           (circle(12, 16, 1.6), solid(DARK)), (rect(11.3, 16, 12.7, 19.5), solid(DARK))])


def user_speaker(on):
    shapes = [(polygon([(3, 9), (7, 9), (12.5, 4), (12.5, 20), (7, 15), (3, 15)]), solid(DARK)),
              (polygon([(4.2, 10.2), (7.4, 10.2), (11.3, 6.6), (11.3, 17.4), (7.4, 13.8), (4.2, 13.8)]),
               solid((200, 200, 200)))]
    if on:
        shapes += [(arc(12, 12, 4.5, 1.6, -50, 50), solid(BLUE)), (arc(12, 12, 8, 1.6, -50, 50), solid(BLUE))]
    else:
        shapes += [(stroke([(15, 8.5), (21, 15.5)], 1.8), solid(RED)), (stroke([(15, 15.5), (21, 8.5)], 1.8), solid(RED))]
    return render(24, 24, shapes)


def user_eye(on):
    lids = union(arc(12, 20, 12, 1.8, 35, 145), arc(12, 4, 12, 1.8, 215, 325))
    if on:
        return render(24, 24, [(ellipse(12, 12, 9.5, 5.8), solid(WHITE)), (circle(12, 12, 4), radial(11, 11, 4.5, (120, 170, 230), BLUE)),
                               (circle(12, 12, 1.8), solid(BLACK)), (circle(10.8, 10.8, 0.8), solid(WHITE)),
                               (lids, solid(DARK))])
    lashes = union(*[stroke([(12 + 7 * math.cos(math.radians(a)), 13 + 5 * math.sin(math.radians(a))),
                             (12 + 9.5 * math.cos(math.radians(a)), 13 + 7.5 * math.sin(math.radians(a)))], 1.3)
                     for a in (35, 65, 90, 115, 145)])
    return render(24, 24, [(arc(12, 4, 12, 1.8, 215, 325), solid(DARK)), (lashes, solid(DARK))])


def user_star(on):
    pts = []
    for i in range(10):
        a = math.radians(90 + 36 * i)
        r = 10.8 if i % 2 == 0 else 4.6
        pts.append((12 + r * math.cos(a), 12.6 - r * math.sin(a)))
    inner = []
    for i in range(10):
        a = math.radians(90 + 36 * i)
        r = 8.8 if i % 2 == 0 else 3.4
        inner.append((12 + r * math.cos(a), 12.6 - r * math.sin(a)))
    fill = radial(11, 10, 10, (255, 245, 170), (240, 170, 20)) if on else solid((250, 250, 250))
    return render(24, 24, [(polygon(pts), solid((150, 100, 0) if on else (110, 110, 110))), (polygon(inner), fill)])


def glyphs():
    green_led = [(circle(7, 7, 6.7), solid(DARK)), (circle(7, 7, 5.7), radial(5.5, 5.5, 7, LIGHT_GREEN, GREEN)),
                 (circle(5.2, 5.2, 1.3), solid((235, 255, 235)))]
    red_led = [(circle(7, 7, 6.7), solid(DARK)), (circle(7, 7, 5.7), radial(5.5, 5.5, 7, LIGHT_RED, RED)),
               (circle(5.2, 5.2, 1.3), solid((255, 235, 235)))]
    return {
        "CHECKBOX": (checkbox(True), checkbox(False)),
        "RADIOBUT": (radiobut(True), radiobut(False)),
        "SLIDETOPBOT": (render(18, 30, slide(18, 30, True, True, False)), render(18, 30, slide(18, 30, True, False, False))),
        "SLIDELFTRGT": (render(30, 18, slide(30, 18, False, True, False)), render(30, 18, slide(30, 18, False, False, False))),
        "COLSLIDETB": (render(18, 30, slide(18, 30, True, True, True)), render(18, 30, slide(18, 30, True, False, True))),
        "COLSLIDELR": (render(30, 18, slide(30, 18, False, True, True)), render(30, 18, slide(30, 18, False, False, True))),
        "LEDREDGREEN": (render(14, 14, green_led), render(14, 14, red_led)),
        "ARROWTR": (arrow("up", GREEN), arrow("right", BLUE)),
        "ARROWUD": (arrow("up", GREEN), arrow("down", RED)),
        "ARROWLR": (arrow("left", BLUE), arrow("right", BLUE)),
        "TRAFFICLGT": (traffic_light(True), traffic_light(False)),
        "BEVELEDLED": (beveled_led(True), beveled_led(False)),
        "SMILEYS": (smiley(YELLOW, True), smiley(YELLOW, False)),
        "SMILEYRG": (smiley((110, 215, 90), True), smiley((235, 95, 80), False)),
        "BULB": (bulb(True), bulb(False)),
        "BUTLAMP": (button_lamp(True), button_lamp(False)),
        "HDLEFT": (rocker(True, True), rocker(True, False)),
        "HDRIGHT": (rocker(False, True), rocker(False, False)),
        "USER1": (user_power(True), user_power(False)),
        "USER2": (user_lock(True), user_lock(False)),
        "USER3": (user_speaker(True), user_speaker(False)),
        "USER4": (user_eye(True), user_eye(False)),
        "USER5": (user_star(True), user_star(False)),
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, (on, off) in glyphs().items():
        path = os.path.join(out, name + ".bmp")
        write_bmp(path, strip(on, off))
        print(path)


if __name__ == "__main__":
    main()
