// errno values in Chinese (see SystemReason.h).
#include "platform/SystemReason.h"

#include <cerrno>
#include <cstring>

std::string SystemReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return "磁盘空间不足。";
        case EDQUOT:
            return "超出了磁盘配额。";
        case EFBIG:
            return "文件超出了允许的大小。";
        case EACCES:
        case EPERM:
            return "没有写入权限。";
        case EROFS:
            return "文件系统是只读的。";
        case ENOENT:
            return "文件夹不存在。";
        case ENOTDIR:
            return "路径中有一部分不是文件夹。";
        case EISDIR:
            return "已有同名的文件夹。";
        case ENAMETOOLONG:
            return "文件名太长。";
        case EIO:
            return "读写磁盘时出错。";
        case ENOMEM:
            return "内存不足。";
        case EMFILE:
        case ENFILE:
            return "打开的文件太多。";
        default:
            return std::string("系统错误(") + std::strerror(errorNumber) + ")";
    }
}
