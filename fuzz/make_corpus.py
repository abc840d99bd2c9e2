#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed inputs of the question fuzzer into fuzz/corpus/.

Each input is: a flags byte (see question_fuzzer.cpp), the length of the base (two bytes, little-endian),
the base, then operations (see question_fuzzer.cpp for their codes).
"""
import pathlib
import struct

LOAD, NEXT, PREVIOUS, NEW, QUESTION, ANSWER, SAVE, DELETE, EXIT, CHOOSE, MEDDLE = range(11)


def record(question, answer, filler=b"\0"):
    q = question.encode("cp1251")
    a = answer.encode("cp1251")
    return (bytes([len(q)]) + q + filler * (120 - len(q))
            + bytes([len(a)]) + a + filler * (12 - len(a)))


def typed(text):
    """Typing in code page 1251 characters (mode 0)."""
    data = text.encode("cp1251")
    return bytes([0, len(data)]) + data


def typed_utf16(text):
    """Typing raw UTF-16 (mode 1), anything the keyboard or a paste can bring."""
    data = text.encode("utf-16-le", "surrogatepass")
    return bytes([1, len(data) // 2]) + data


def long_text(char, times):
    """One character repeated past any field (mode 2)."""
    return bytes([2, times]) + char.encode("cp1251")


def case(flags, base, operations):
    return bytes([flags]) + struct.pack("<H", len(base)) + base + bytes(operations)


WORDS = ["КОТ", "ДОМ", "ЛЕС", "МОРЕ", "САД", "ЁЖ", "РЕКА", "ГОРА", "ЗИМА", "ПОЛЕ", "ЕЛЬ"]
ten = b"".join(record("Вопрос " + w.lower(), w) for w in WORDS[:10])
five = b"".join(record("Пятёрка " + w.lower(), w, b"\xAA") for w in WORDS[:5])

CASES = {
    "browse_ten": case(0, ten, [LOAD, NEXT, NEXT, PREVIOUS, NEXT, NEXT, NEXT, EXIT, CHOOSE, 8]),
    "new_base_and_save": case(2, b"", [LOAD, NEW] + list(typed("Столица России")) + [ANSWER] + list(typed("москва"))
                              + [SAVE, NEW] + list(typed_utf16("Цена 5€ ✓ 😀 \udc00")) + [ANSWER]
                              + list(typed_utf16("ёжµß")) + [SAVE, EXIT]),
    "overlong_texts": case(0, five, [LOAD, NEW, QUESTION] + list(long_text("ж", 100)) + [ANSWER]
                           + list(long_text("я", 20)) + [SAVE, PREVIOUS, DELETE, EXIT]),
    "delete_everywhere": case(0, five, [LOAD, NEXT, NEXT, DELETE, NEXT, DELETE, DELETE, DELETE, DELETE, LOAD]),
    # Length bytes over the fields' capacity (a damaged base) and a 50-byte tail.
    "tail_and_lengths": case(1, bytes([200]) + "х".encode("cp1251") * 120 + bytes([255])
                             + "ОТВЕТОТВЕТОТ".encode("cp1251") + five[:134] + b"\x7f" * 50,
                             [LOAD, NEXT, PREVIOUS, NEW, SAVE, EXIT, CHOOSE, 0, LOAD, DELETE, EXIT]),
    "empty_answers_game": case(0, b"".join(record("Без ответа", "") for _ in range(6)) + ten[:3 * 134],
                               [CHOOSE, 2, CHOOSE, 3, CHOOSE, 8, LOAD, NEW, SAVE, CHOOSE, 4]),
    # Sixty-four more copies of an unplayable first record in front of two
    # playable ones: a game's random draws now and then miss one of them.
    "sparse_big_base": case(7 << 2, record("Без ответа", "") + ten[:2 * 134],
                            [CHOOSE, 0] * 6 + [LOAD, DELETE, EXIT, CHOOSE, 1]),
    # Another program cuts the base under the open editor, then adds to it.
    "another_program": case(0, ten, [LOAD, NEXT, NEXT, NEXT, MEDDLE, 0, 2, 40, NEXT, DELETE, NEW, SAVE,
                                     MEDDLE, 1, 0] + list(five[:134]) + [PREVIOUS, NEXT, NEXT, DELETE, LOAD, EXIT]),
}


def main():
    folder = pathlib.Path(__file__).resolve().parent / "corpus"
    folder.mkdir(exist_ok=True)
    for name, data in CASES.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
