#include "app/KeyboardPicture.h"

#include "platform/win32/Text.h"
#include "skin/SkinPaths.h"

namespace app {

namespace {

constexpr const char16_t* kEnterFaceNames[4] = {skin::face::kNormal, skin::face::kOver, skin::face::kDown,
                                                skin::face::kSelected};

RECT ToRect(const catalogue::KeyRect& key) { return {key.left, key.top, key.left + key.width, key.top + key.height}; }

}  // namespace

void KeyboardPicture::Build(HWND parent, int variant, std::u16string exeFolder, const LayerImages& layer0) {
  m_variant = variant;
  m_exeFolder = std::move(exeFolder);
  m_layer = 0;
  for (int slot = 0; slot < store::kKeyCount; ++slot)
    m_keys[static_cast<std::size_t>(slot)].Create(ToRect(catalogue::KeyRectangle(variant, slot)), parent);

  SetEnterFiles(KeyState::Plain);
  if (m_enter.Create(parent)) {
    const catalogue::Point corner = catalogue::EnterKeyCorner(variant);
    const RECT shape = m_enter.GetWindowRect();
    m_enter.MoveWindow(corner.x, corner.y, shape.right - shape.left, shape.bottom - shape.top);
  }
  ShowLayer(0, layer0);
}

void KeyboardPicture::ShowLayer(int layer, const LayerImages& images) {
  m_layer = layer;
  m_images = images;
  for (int slot = 0; slot < store::kKeyCount; ++slot) MarkKey(slot, KeyState::Plain, {});
}

void KeyboardPicture::MarkKey(int slot, KeyState state, const std::wstring& tooltip) {
  if (!store::ValidKey(slot)) return;
  // Only a key whose look changed is repainted: showing a layer marks all 110, mostly as they were.
  if (slot == store::kEnterKeySlot) {
    SetEnterFiles(state);  // repaints when the files change
    m_enter.SetTooltip(tooltip);
    return;
  }
  auto& key = m_keys[static_cast<std::size_t>(slot)];
  const bool changed = SetKeyFaces(slot, state);
  key.SetTooltip(tooltip);
  if (changed) key.Invalidate(false);
}

bool KeyboardPicture::SetKeyFaces(int slot, KeyState state) {
  const catalogue::KeyRect rect = catalogue::KeyRectangle(m_variant, slot);
  if (rect.empty()) return false;
  const KeyLook look = LookOf(state);
  auto bitmap = [&](LayerImage image) { return m_images[static_cast<std::size_t>(image)]; };
  return m_keys[static_cast<std::size_t>(slot)].SetFaceSources(bitmap(look.normal), bitmap(look.over),
                                                              bitmap(look.down), bitmap(LayerImage::Normal), ToRect(rect));
}

std::wstring KeyboardPicture::EnterFile(LayerImage image) const {
  // The Enter key's files are named with the folder "skins\" in lower case, beside the executable.
  const std::u16string set = u"layer" + std::u16string(1, static_cast<char16_t>(u'1' + m_layer)) + u"_enter";
  return win::Wide(m_exeFolder + u"skins\\" +
                   skin::SkinSetFileName(set, kEnterFaceNames[static_cast<int>(image)], u"bmp"));
}

bool KeyboardPicture::SetEnterFiles(KeyState state) {
  const KeyLook look = LookOf(state);
  return m_enter.SetFiles(EnterFile(look.normal), EnterFile(look.over), EnterFile(look.down), EnterFile(LayerImage::Normal));
}

int KeyboardPicture::SlotOf(HWND button) const {
  if (!button) return -1;
  if (button == m_enter.GetHwnd()) return store::kEnterKeySlot;
  for (int slot = 0; slot < store::kKeyCount; ++slot)
    if (m_keys[static_cast<std::size_t>(slot)].GetHwnd() == button) return slot;
  return -1;
}

HWND KeyboardPicture::KeyWindow(int slot) const {
  if (!store::ValidKey(slot)) return nullptr;
  return slot == store::kEnterKeySlot ? m_enter.GetHwnd() : m_keys[static_cast<std::size_t>(slot)].GetHwnd();
}

}  // namespace app
