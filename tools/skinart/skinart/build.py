"""Command line: draws the whole skin into a folder."""

import argparse
import sys

from . import branding, dialogs, files, keyboard, mainwin, menus


def generate(out, variant=0, layout_path=keyboard.DEFAULT_LAYOUT):
    """Draws every skin file into the folder `out`, with the keyboard pictures of `variant` at the top and
    those of every variant in their own subfolders; returns the names written."""
    layout = keyboard.read_layout(layout_path)
    if variant not in layout:
        raise keyboard.LayoutError(f"{layout_path} has no layout variant {variant}")
    folder = files.SkinFolder()
    mainwin.build(folder, layout, sorted(layout), variant)
    branding.build(folder)
    menus.build_all(folder)
    dialogs.build_all(folder)
    folder.write(out)
    return sorted(folder.files)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Draws the program's skin pictures.")
    parser.add_argument("--out", required=True, help="the folder to fill (the program's \"Skins\")")
    parser.add_argument("--variant", type=int, choices=(0, 1, 2), default=0,
                        help="the layout variant whose keyboard pictures lie at the top of the folder")
    parser.add_argument("--layout", default=keyboard.DEFAULT_LAYOUT, help="the key layout file")
    args = parser.parse_args(argv)
    try:
        names = generate(args.out, args.variant, args.layout)
    except (OSError, keyboard.LayoutError) as error:
        print(f"skinart: {error}", file=sys.stderr)
        return 1
    print(f"skinart: {len(names)} files in {args.out}")
    return 0
