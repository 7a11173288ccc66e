#!/usr/bin/python3
"""Draws the program's skin: python3 generate.py --out <folder> [--variant 0|1|2] [--layout KeyLayout.def]"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinart.build import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main())
