"""Draws the program's skin: every picture, mask and region-button bitmap in the "Skins" folder."""
