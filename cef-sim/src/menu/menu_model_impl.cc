#include "src/menu/menu_model_impl.h"

namespace cefsim {
namespace {

// The id-based operations are the index-based ones at the first item with that id.
constexpr int kNoIndex = -1;

}  // namespace

bool MenuModelImpl::Insert(int index, Item item) {
  if (index < 0 || index > GetCount())
    return false;
  items_.insert(items_.begin() + index, std::move(item));
  return true;
}

MenuModelImpl::Item* MenuModelImpl::At(int index) {
  return index >= 0 && index < GetCount() ? &items_[static_cast<size_t>(index)] : nullptr;
}

int MenuModelImpl::IndexOf(int command_id) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].command_id == command_id && items_[i].type != MENUITEMTYPE_SEPARATOR)
      return static_cast<int>(i);
  }
  return kNoIndex;
}

bool MenuModelImpl::Clear() {
  items_.clear();
  return true;
}

bool MenuModelImpl::AddSeparator() {
  return InsertSeparatorAt(GetCount());
}
bool MenuModelImpl::AddItem(int command_id, const CefString& label) {
  return InsertItemAt(GetCount(), command_id, label);
}
bool MenuModelImpl::AddCheckItem(int command_id, const CefString& label) {
  return InsertCheckItemAt(GetCount(), command_id, label);
}
bool MenuModelImpl::AddRadioItem(int command_id, const CefString& label, int group_id) {
  return InsertRadioItemAt(GetCount(), command_id, label, group_id);
}
CefRefPtr<CefMenuModel> MenuModelImpl::AddSubMenu(int command_id, const CefString& label) {
  return InsertSubMenuAt(GetCount(), command_id, label);
}

bool MenuModelImpl::InsertSeparatorAt(int index) {
  Item item;
  item.type = MENUITEMTYPE_SEPARATOR;
  return Insert(index, std::move(item));
}
bool MenuModelImpl::InsertItemAt(int index, int command_id, const CefString& label) {
  Item item;
  item.command_id = command_id;
  item.label = label;
  item.type = MENUITEMTYPE_COMMAND;
  return Insert(index, std::move(item));
}
bool MenuModelImpl::InsertCheckItemAt(int index, int command_id, const CefString& label) {
  Item item;
  item.command_id = command_id;
  item.label = label;
  item.type = MENUITEMTYPE_CHECK;
  return Insert(index, std::move(item));
}
bool MenuModelImpl::InsertRadioItemAt(int index, int command_id, const CefString& label,
                                      int group_id) {
  Item item;
  item.command_id = command_id;
  item.label = label;
  item.type = MENUITEMTYPE_RADIO;
  item.group_id = group_id;
  return Insert(index, std::move(item));
}
CefRefPtr<CefMenuModel> MenuModelImpl::InsertSubMenuAt(int index, int command_id,
                                                       const CefString& label) {
  Item item;
  item.command_id = command_id;
  item.label = label;
  item.type = MENUITEMTYPE_SUBMENU;
  item.submenu = new MenuModelImpl(true);
  CefRefPtr<CefMenuModel> submenu = item.submenu.get();
  return Insert(index, std::move(item)) ? submenu : nullptr;
}

bool MenuModelImpl::Remove(int command_id) {
  return RemoveAt(IndexOf(command_id));
}
bool MenuModelImpl::RemoveAt(int index) {
  if (!At(index))
    return false;
  items_.erase(items_.begin() + index);
  return true;
}
int MenuModelImpl::GetIndexOf(int command_id) {
  return IndexOf(command_id);
}

int MenuModelImpl::GetCommandIdAt(int index) {
  Item* item = At(index);
  return item ? item->command_id : -1;
}
bool MenuModelImpl::SetCommandIdAt(int index, int command_id) {
  Item* item = At(index);
  if (!item || item->type == MENUITEMTYPE_SEPARATOR)
    return false;
  item->command_id = command_id;
  return true;
}

CefString MenuModelImpl::GetLabel(int command_id) {
  return GetLabelAt(IndexOf(command_id));
}
CefString MenuModelImpl::GetLabelAt(int index) {
  Item* item = At(index);
  return item ? item->label : CefString();
}
bool MenuModelImpl::SetLabel(int command_id, const CefString& label) {
  return SetLabelAt(IndexOf(command_id), label);
}
bool MenuModelImpl::SetLabelAt(int index, const CefString& label) {
  Item* item = At(index);
  if (!item)
    return false;
  item->label = label;
  return true;
}

CefMenuModel::MenuItemType MenuModelImpl::GetType(int command_id) {
  return GetTypeAt(IndexOf(command_id));
}
CefMenuModel::MenuItemType MenuModelImpl::GetTypeAt(int index) {
  Item* item = At(index);
  return item ? item->type : MENUITEMTYPE_NONE;
}

int MenuModelImpl::GetGroupId(int command_id) {
  return GetGroupIdAt(IndexOf(command_id));
}
int MenuModelImpl::GetGroupIdAt(int index) {
  Item* item = At(index);
  return item ? item->group_id : -1;
}
bool MenuModelImpl::SetGroupId(int command_id, int group_id) {
  return SetGroupIdAt(IndexOf(command_id), group_id);
}
bool MenuModelImpl::SetGroupIdAt(int index, int group_id) {
  Item* item = At(index);
  if (!item)
    return false;
  item->group_id = group_id;
  return true;
}

CefRefPtr<CefMenuModel> MenuModelImpl::GetSubMenu(int command_id) {
  return GetSubMenuAt(IndexOf(command_id));
}
CefRefPtr<CefMenuModel> MenuModelImpl::GetSubMenuAt(int index) {
  Item* item = At(index);
  return item && item->submenu ? item->submenu.get() : nullptr;
}

bool MenuModelImpl::IsVisible(int command_id) {
  return IsVisibleAt(IndexOf(command_id));
}
bool MenuModelImpl::IsVisibleAt(int index) {
  Item* item = At(index);
  return item && item->visible;
}
bool MenuModelImpl::SetVisible(int command_id, bool visible) {
  return SetVisibleAt(IndexOf(command_id), visible);
}
bool MenuModelImpl::SetVisibleAt(int index, bool visible) {
  Item* item = At(index);
  if (!item)
    return false;
  item->visible = visible;
  return true;
}

bool MenuModelImpl::IsEnabled(int command_id) {
  return IsEnabledAt(IndexOf(command_id));
}
bool MenuModelImpl::IsEnabledAt(int index) {
  Item* item = At(index);
  return item && item->enabled;
}
bool MenuModelImpl::SetEnabled(int command_id, bool enabled) {
  return SetEnabledAt(IndexOf(command_id), enabled);
}
bool MenuModelImpl::SetEnabledAt(int index, bool enabled) {
  Item* item = At(index);
  if (!item)
    return false;
  item->enabled = enabled;
  return true;
}

bool MenuModelImpl::IsChecked(int command_id) {
  return IsCheckedAt(IndexOf(command_id));
}
bool MenuModelImpl::IsCheckedAt(int index) {
  Item* item = At(index);
  return item && item->checked;
}
bool MenuModelImpl::SetChecked(int command_id, bool checked) {
  return SetCheckedAt(IndexOf(command_id), checked);
}
bool MenuModelImpl::SetCheckedAt(int index, bool checked) {
  Item* item = At(index);
  if (!item || (item->type != MENUITEMTYPE_CHECK && item->type != MENUITEMTYPE_RADIO))
    return false;
  item->checked = checked;
  return true;
}

bool MenuModelImpl::HasAccelerator(int command_id) {
  return HasAcceleratorAt(IndexOf(command_id));
}
bool MenuModelImpl::HasAcceleratorAt(int index) {
  Item* item = At(index);
  return item && item->has_accelerator;
}
bool MenuModelImpl::SetAccelerator(int command_id, int key_code, bool shift_pressed,
                                   bool ctrl_pressed, bool alt_pressed) {
  return SetAcceleratorAt(IndexOf(command_id), key_code, shift_pressed, ctrl_pressed,
                          alt_pressed);
}
bool MenuModelImpl::SetAcceleratorAt(int index, int key_code, bool shift_pressed,
                                     bool ctrl_pressed, bool alt_pressed) {
  Item* item = At(index);
  if (!item)
    return false;
  item->has_accelerator = true;
  item->accelerator = Accelerator{key_code, shift_pressed, ctrl_pressed, alt_pressed};
  return true;
}
bool MenuModelImpl::RemoveAccelerator(int command_id) {
  return RemoveAcceleratorAt(IndexOf(command_id));
}
bool MenuModelImpl::RemoveAcceleratorAt(int index) {
  Item* item = At(index);
  if (!item || !item->has_accelerator)
    return false;
  item->has_accelerator = false;
  item->accelerator = Accelerator();
  return true;
}
bool MenuModelImpl::GetAccelerator(int command_id, int& key_code, bool& shift_pressed,
                                   bool& ctrl_pressed, bool& alt_pressed) {
  return GetAcceleratorAt(IndexOf(command_id), key_code, shift_pressed, ctrl_pressed,
                          alt_pressed);
}
bool MenuModelImpl::GetAcceleratorAt(int index, int& key_code, bool& shift_pressed,
                                     bool& ctrl_pressed, bool& alt_pressed) {
  Item* item = At(index);
  if (!item || !item->has_accelerator)
    return false;
  key_code = item->accelerator.key_code;
  shift_pressed = item->accelerator.shift;
  ctrl_pressed = item->accelerator.ctrl;
  alt_pressed = item->accelerator.alt;
  return true;
}

// Colours and fonts only change how a menu the engine draws looks; the stand-in draws none.
bool MenuModelImpl::SetColor(int command_id, cef_menu_color_type_t, cef_color_t) {
  return command_id == -1 || IndexOf(command_id) != kNoIndex;
}
bool MenuModelImpl::SetColorAt(int index, cef_menu_color_type_t, cef_color_t) {
  return index == -1 || At(index) != nullptr;
}
bool MenuModelImpl::GetColor(int command_id, cef_menu_color_type_t, cef_color_t& color) {
  color = 0;
  return command_id == -1 || IndexOf(command_id) != kNoIndex;
}
bool MenuModelImpl::GetColorAt(int index, cef_menu_color_type_t, cef_color_t& color) {
  color = 0;
  return index == -1 || At(index) != nullptr;
}
bool MenuModelImpl::SetFontList(int command_id, const CefString&) {
  return command_id == -1 || IndexOf(command_id) != kNoIndex;
}
bool MenuModelImpl::SetFontListAt(int index, const CefString&) {
  return index == -1 || At(index) != nullptr;
}

}  // namespace cefsim

// Menus the client makes for itself; the stand-in has no use for their delegate.
CefRefPtr<CefMenuModel> CefMenuModel::CreateMenuModel(CefRefPtr<CefMenuModelDelegate>) {
  return new cefsim::MenuModelImpl();
}
