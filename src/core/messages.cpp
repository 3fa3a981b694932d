#include "core/messages.h"

namespace kalamo {

MessageAnswer Say(UiFacade& ui, const std::string& text, MessageButtons buttons) {
    MessageBoxSpec box;
    box.text = text;
    box.caption = "Kalamo";
    box.buttons = buttons;
    box.icon = MessageIcon::None;
    return ui.showMessage(box);
}

std::string FileErrorText(FileError error) {
    switch (error) {
        case FileError::NoSpace:
            return "磁盘空间不足";
        case FileError::NoPermission:
            return "没有写入权限";
        case FileError::ReadOnlyDisk:
            return "磁盘是只读的";
        case FileError::MissingFolder:
            return "文件夹不存在";
        case FileError::NameTooLong:
            return "路径太长";
        case FileError::IsFolder:
            return "目标是一个文件夹";
        case FileError::NotRegularFile:
            return "目标不是普通文件";
        case FileError::ReadOnlyFile:
            return "文件是只读的";
        case FileError::EmptyPath:
            return "路径为空";
        case FileError::None:
        case FileError::Other:
            break;
    }
    return "无法写入";
}

}  // namespace kalamo
