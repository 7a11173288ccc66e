"""Key caps of the keyboard picture, backlit in the colour of the layer shown.

Looks: "normal" at rest, "over" hovered, "down" pressed (also the key whose menu or editor is open),
"selected" a key that carries an assignment: tinted, with an orange mark.
"""

from PIL import ImageFilter

from . import theme as t
from .canvas import blend

MARGIN = 3          # free space around each cap, so neighbouring rectangles that overlap by a pixel or two
                    # still cut only background from each other

FACE = {"normal": ((56, 60, 68), (38, 41, 47)), "over": ((74, 79, 90), (50, 54, 61))}


def _face_colours(state, light):
    if state == "down":
        return blend(light, (0, 0, 0), 0.35), blend(light, (0, 0, 0), 0.6)
    if state == "selected":
        top, bottom = FACE["normal"]
        return blend(top, light, 0.28), blend(bottom, light, 0.2)
    return FACE[state]


def _legend_colour(state, light):
    return {"normal": light, "over": blend(light, (255, 255, 255), 0.5), "down": (255, 255, 255),
            "selected": (255, 255, 255)}[state]


def _rim_colour(state, light):
    return {"normal": t.INK, "over": blend(light, (0, 0, 0), 0.3), "down": blend(light, (0, 0, 0), 0.1),
            "selected": blend(light, (0, 0, 0), 0.2)}[state]


def key_cap(c, w, h, state, layer, legend):
    light = t.LAYER_LIGHTS[layer]
    outer, od = c.mask()
    od.rrect((MARGIN, MARGIN, w - MARGIN, h - MARGIN), 5)
    skirt, sd = c.mask()
    sd.rrect((MARGIN + 1, MARGIN + 1, w - MARGIN - 1, h - MARGIN - 1), 4)
    face_box = (MARGIN + 3.5, MARGIN + 2, w - MARGIN - 3.5, h - MARGIN - 5)
    if state == "down":
        face_box = (face_box[0], face_box[1] + 1.5, face_box[2], face_box[3] + 1.5)
    face, fd = c.mask()
    fd.rrect(face_box, 3)
    _cap(c, outer, skirt, face, face_box, state, light)
    cx = (face_box[0] + face_box[2]) / 2
    cy = (face_box[1] + face_box[3]) / 2
    draw_legend(c, legend, cx, cy, face_box[2] - face_box[0], face_box[3] - face_box[1], state, light)


def enter_cap(c, polygon, legend_centre, state, layer):
    """The Enter key: a cap of any right-angled outline (window polygon given in canvas coordinates)."""
    light = t.LAYER_LIGHTS[layer]
    press = 1.5 if state == "down" else 0
    outer = _rounded(c, inset(polygon, MARGIN, MARGIN, MARGIN), 5)
    skirt = _rounded(c, inset(polygon, MARGIN + 1, MARGIN + 1, MARGIN + 1), 4)
    face_outline = inset(polygon, MARGIN + 3.5, MARGIN + 2 + press, MARGIN + 5 - press)
    face = _rounded(c, face_outline, 3)
    xs = [x for x, _ in face_outline]
    ys = [y for _, y in face_outline]
    top_edge = [x for x, y in face_outline if y == min(ys)]
    _cap(c, outer, skirt, face, (min(xs), min(ys), max(xs), max(ys)), state, light,
         highlight=(min(top_edge), max(top_edge)))
    cx, cy = legend_centre
    draw_legend(c, "@enter", cx, cy + press, 60, 30, state, light)


def inset(polygon, side, top, bottom):
    """A right-angled outline moved inwards: `side` pixels from its upright edges, `top` from the edges
    facing up and `bottom` from those facing down."""
    n = len(polygon)
    area = sum(polygon[i][0] * polygon[(i + 1) % n][1] - polygon[(i + 1) % n][0] * polygon[i][1] for i in range(n))
    turn = 1 if area > 0 else -1     # clockwise on screen when positive
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = polygon[i], polygon[(i + 1) % n]
        if y0 == y1:                                      # horizontal edge
            inward_down = (x1 > x0) == (turn > 0)
            lines.append(("y", y0 + top if inward_down else y0 - bottom))
        else:                                             # upright edge
            inward_right = (y1 < y0) == (turn > 0)
            lines.append(("x", x0 + side if inward_right else x0 - side))
    points = []
    for i in range(n):
        a, b = lines[i - 1], lines[i]
        x = a[1] if a[0] == "x" else b[1]
        y = a[1] if a[0] == "y" else b[1]
        points.append((x, y))
    return points


def _rounded(c, polygon, radius):
    """A coverage mask of the polygon with its corners rounded by about radius pixels."""
    m, md = c.mask()
    md.polygon(polygon)
    soft = m.filter(ImageFilter.GaussianBlur(radius * c.ss * 0.5))
    return soft.point(lambda v: 255 if v >= 128 else 0)


def _cap(c, outer, skirt, face, face_box, state, light, highlight=None):
    c.fill_mask(outer, _rim_colour(state, light))
    c.fill_mask(skirt, (14, 15, 18) if state != "over" else (22, 24, 28))
    top, bottom = _face_colours(state, light)
    c.gradient(face_box, top, bottom, mask=face)
    x0, y0, x1, _ = face_box
    left, right = highlight or (x0, x1)
    c.line([(left + 3, y0 + 0.8), (right - 3, y0 + 0.8)], fill=blend(top, (255, 255, 255), 0.22), width=1)
    if state == "selected":
        c.ellipse((x1 - 6.5, y0 + 2.5, x1 - 2.5, y0 + 6.5), fill=t.ORANGE)


def draw_legend(c, legend, cx, cy, face_w, face_h, state, light):
    if legend is None:
        return
    colour = _legend_colour(state, light)
    halo = blend(light, (0, 0, 0), 0.55) if state in ("normal", "selected") else None
    if isinstance(legend, tuple):
        shifted, plain = legend
        f = t.font(10, bold=True)
        c.text((cx, cy - 6.5), shifted, f, blend(colour, (30, 32, 36), 0.3), "mm", halo)
        c.text((cx, cy + 6), plain, f, colour, "mm", halo)
    elif legend == "@win":
        for dx, dy in ((-4.5, -4.5), (0.5, -4.5), (-4.5, 0.5), (0.5, 0.5)):
            c.rect((cx + dx, cy + dy, cx + dx + 4, cy + dy + 4), fill=colour)
    elif legend == "@menu":
        c.rrect((cx - 5, cy - 6, cx + 5, cy + 6), 1.5, outline=colour, width=1.3)
        for dy in (-2.5, 0.5, 3.5):
            c.line([(cx - 2.5, cy + dy), (cx + 2.5, cy + dy)], fill=colour, width=1)
    elif legend == "@enter":
        c.text((cx, cy - 6), "Enter", t.font(11, bold=True, condensed=True), colour, "mm", halo)
        c.text((cx, cy + 8), "↵", t.font(13, bold=True), colour, "mm", halo)
    elif legend == "@iso":
        c.text((cx, cy), "< >", t.font(11, bold=True), colour, "mm", halo)
    else:
        c.text((cx, cy), legend, fitting_font(legend, face_w - 3), colour, "mm", halo)


def fitting_font(text, width):
    """Single letters and digits large; words condensed, as large as the cap allows."""
    if len(text) == 1:
        return t.font(14, bold=True)
    for size in (11, 10, 9, 8):
        f = t.font(size, bold=True, condensed=True)
        if f.getlength(text) <= width:
            return f
    return t.font(7, bold=True, condensed=True)
