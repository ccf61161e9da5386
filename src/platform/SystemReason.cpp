// errno values in the game's language (see SystemReason.h).
#include "platform/SystemReason.h"

#include "base/FormatText.h"

#include "i18n/Translation.h"

#include <cerrno>
#include <cstring>

std::string SystemReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return Tr("磁盘空间不足。");
#ifdef EDQUOT  // not Windows'
        case EDQUOT:
            return Tr("超出了磁盘配额。");
#endif
        case EFBIG:
            return Tr("文件超出了允许的大小。");
        case EACCES:
        case EPERM:
            return Tr("没有写入权限。");
        case EROFS:
            return Tr("文件系统是只读的。");
        case ENOENT:
            return Tr("文件夹不存在。");
        case ENOTDIR:
            return Tr("路径中有一部分不是文件夹。");
        case EISDIR:
            return Tr("已有同名的文件夹。");
        case ENAMETOOLONG:
            return Tr("文件名太长。");
        case EIO:
            return Tr("读写磁盘时出错。");
        case ENOMEM:
            return Tr("内存不足。");
        case EMFILE:
        case ENFILE:
            return Tr("打开的文件太多。");
        default:
            return FormatText(Tr("系统错误(%s)"), std::strerror(errorNumber));
    }
}
