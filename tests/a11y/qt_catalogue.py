"""Qt's own translations as a program loads them: a text looked up in the
compiled catalogue qtbase_LL.qm, the way QTranslator finds it (the ELF hash
of the text, then the entries of that hash whose context matches)."""
import os
import struct

MAGIC = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")
HASHES, MESSAGES = 0x42, 0x69
END, TRANSLATION, OBSOLETE1, SOURCE, CONTEXT, COMMENT = 1, 3, 5, 6, 7, 8


def elf_hash(text):
    h = 0
    for byte in text:
        h = ((h << 4) + byte) & 0xFFFFFFFF
        g = h & 0xF0000000
        h ^= g >> 24
        h &= ~g & 0xFFFFFFFF
    return h or 1


class QtTranslation:
    """Looks texts up in qtbase_LL.qm of `directory`; with no such file,
    every text stays as it is, as Qt leaves it."""

    def __init__(self, directory, language):
        self.blocks = {}
        path = os.path.join(directory, f"qtbase_{language}.qm")
        data = open(path, "rb").read() if os.path.exists(path) else MAGIC
        at = len(MAGIC) if data.startswith(MAGIC) else len(data)
        while at + 5 <= len(data):
            tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0]
            self.blocks[tag] = data[at + 5:at + 5 + length]
            at += 5 + length

    def message(self, at, context, source):
        messages, fields = self.blocks[MESSAGES], {}
        while (tag := messages[at]) != END:
            if tag == OBSOLETE1:
                at += 5
                continue
            # A length of 0xFFFFFFFF stands for an empty field.
            length = struct.unpack(">I", messages[at + 1:at + 5])[0] % 0xFFFFFFFF
            fields[tag] = messages[at + 5:at + 5 + length]
            at += 5 + length
        if fields.get(SOURCE, source) != source or fields.get(CONTEXT, context) != context \
                or fields.get(COMMENT, b"") != b"" or TRANSLATION not in fields:
            return None
        return fields[TRANSLATION].decode("utf-16-be")

    def __call__(self, context, text):
        """The translation of `text` in `context`, its "&" left out as a
        screen reader hears it; the text itself where there is none."""
        hashes = self.blocks.get(HASHES, b"")
        wanted = elf_hash(text.encode())
        for i in range(0, len(hashes) - 7, 8):
            h, offset = struct.unpack(">II", hashes[i:i + 8])
            if h == wanted:
                found = self.message(offset, context.encode(), text.encode())
                if found:
                    return found.replace("&", "")
        return text
