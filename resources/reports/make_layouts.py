#!/usr/bin/env python3
"""Writes the shipped report layouts (*.json in this folder).

The JSON files are what the program reads; this script is how they were laid out, so that a change
to a shared part (the page header, the footer, the column grid) reaches every layout alike.
Run it from any folder: python3 resources/reports/make_layouts.py
"""

import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))

NAVY = "#1F3A5F"
GRID = "#9AA7B4"
BAND = "#E6ECF2"
LABEL = "#EEF2F6"
GREY = "#5F6B78"

LINE = 508     # height of a detail line, fixed by the reports
PAD = 150      # rule distance from a column's edge, fixed by the reports
GAP = 2 * PAD  # space between two columns


def layout(name, title, body_size):
    return {
        "format": "karuneo-report-layout",
        "version": 1,
        "name": name,
        "title": title,
        "unit": "0.01mm",
        "page": {"size": "A4", "orientation": "portrait"},
        "font": {"family": "IPAPGothic", "size": body_size},
        "boxes": [],
        "lines": [],
        "texts": [],
        "fields": [],
        "images": [],
    }


def rect(l, t, r, b):
    return [int(l), int(t), int(r), int(b)]


def title_band(lay, left, right, title_field=None, title_text=None):
    if title_field:
        lay["fields"].append({"name": title_field, "rect": rect(left, 950, right, 1800), "size": 16,
                              "bold": True, "align": "center", "color": NAVY})
    else:
        lay["texts"].append({"text": title_text, "rect": rect(left, 950, right, 1800), "size": 16,
                             "bold": True, "align": "center", "color": NAVY})
    lay["lines"].append({"from": [left, 1950], "to": [right, 1950], "width": 30, "color": NAVY})
    lay["lines"].append({"from": [left, 2010], "to": [right, 2010], "width": 8, "color": NAVY})


def footer(lay, left, right, caption):
    lay["lines"].append({"from": [left, 28450], "to": [right, 28450], "width": 8, "color": GRID})
    lay["texts"].append({"text": "カルネオ", "rect": rect(left, 28550, left + 4000, 28950), "size": 7,
                         "color": GREY})
    lay["texts"].append({"text": "- {page} -", "rect": rect(8500, 28550, 12500, 28950), "size": 8,
                         "align": "center"})
    lay["texts"].append({"text": caption, "rect": rect(right - 6000, 28550, right, 28950), "size": 7,
                         "align": "right", "color": GREY})


def columns(specs, page_width=21000):
    """Places columns side by side, centred on the page: (name, width, align, heading) ->
    list of (name, left, right, align, heading), and the outer rule positions."""
    total = sum(s[1] for s in specs) + GAP * (len(specs) - 1) + GAP
    x = (page_width - total) // 2 + PAD
    out = []
    for name, width, align, heading in specs:
        out.append((name, x, x + width, align, heading))
        x += width + GAP
    return out, out[0][1] - PAD, out[-1][2] + PAD


def group_list(name, title, specs, with_kijunbi):
    """The group employee lists: page header, one heading line and 32 detail lines of 508 units."""
    lay = layout(name, title, 7.5)
    cols, left, right = columns(specs)
    title_band(lay, left, right, title_field="TITLE")
    top = 4400  # top of detail line 0; the heading line lies one line above

    lay["fields"].append({"name": "NENDO", "rect": rect(left, 2250, 14000, 2800), "size": 10.5,
                          "valign": "bottom"})
    lay["fields"].append({"name": "YMD", "rect": rect(14000, 2250, right, 2800), "size": 9,
                          "align": "right", "valign": "bottom"})
    lay["texts"].append({"text": "対象：", "rect": rect(left, 2950, left + 900, 3400), "size": 8.5,
                         "color": GREY})
    lay["fields"].append({"name": "BUSYO", "rect": rect(left + 900, 2950, 14000, 3400), "size": 8.5})
    if with_kijunbi:
        lay["fields"].append({"name": "KIJUNBI", "rect": rect(14000, 2950, right, 3400), "size": 8.5,
                              "align": "right"})

    lay["boxes"].append({"rect": rect(left, top - LINE, right, top), "fill": BAND})
    for cname, l, r, align, heading in cols:
        lay["fields"].append({"name": cname, "rect": rect(l, top, r, top + LINE), "size": 7.5,
                              "align": align, "valign": "top"})
        if heading.startswith("@"):
            lay["fields"].append({"name": heading[1:], "rect": rect(l - PAD + 20, top - LINE, r + PAD - 20, top),
                                  "size": 7, "bold": True, "align": "center"})
        else:
            lay["texts"].append({"text": heading, "rect": rect(l - PAD + 20, top - LINE, r + PAD - 20, top),
                                 "size": 7, "bold": True, "align": "center"})
    footer(lay, left, right, title)
    return lay


def salary_list():
    specs = [
        ("SYAINCD", 1000, "left", "社員番号"),
        ("SIMEI", 1750, "left", "氏名"),
        ("NENREI", 560, "right", "年齢"),
        ("KINZOKU", 560, "right", "勤続"),
        ("KIHON1", 1250, "right", "@CKIHON1"),
        ("KIHON2", 1250, "right", "@CKIHON2"),
        ("KIHON3", 1250, "right", "@CKIHON3"),
        ("KIHONKEI", 1320, "right", "基本給"),
        ("SYOTEATE", 1200, "right", "諸手当"),
        ("SYOTEI", 1320, "right", "所定給"),
        ("SYOYO1", 1320, "right", "上期賞与"),
        ("SYOYO2", 1320, "right", "下期賞与"),
        ("NENSYU", 1500, "right", "年間収入"),
    ]
    return group_list("PrintSyainSalaryList", "グループ別社員賃金レポート", specs, True)


def up_list():
    specs = [
        ("SYAINCD", 1000, "left", "社員番号"),
        ("SIMEI", 1750, "left", "氏名"),
        ("HYOUKA", 500, "center", "評価"),
        ("TOUKYU", 500, "right", "等級"),
        ("GOUHOU", 560, "right", "号俸"),
        ("SYOUGOU", 700, "right", "新号俸"),
        ("NKIHON", 1280, "right", "新基本給"),
        ("UKIHON", 1100, "right", "基本給差"),
        ("NSYOTEATE", 1150, "right", "新諸手当"),
        ("USYOTEATE", 1050, "right", "諸手当差"),
        ("NSYOTEI", 1280, "right", "新所定給"),
        ("SYOTEI", 1280, "right", "現所定給"),
        ("UPKIN", 1100, "right", "昇給額"),
        ("UPRITSU", 700, "right", "昇給率"),
    ]
    return group_list("PrintSyainUpList", "グループ別社員昇給レポート", specs, False)


def sekkei_list():
    """The designed wage table: five designs of three columns; rows at 508 + 200 below the fields."""
    lay = layout("PrintSekkeiList", "昇給設計レポート", 9)
    widths = [("NENREI", 700), ("KIN", 1400), ("KAKU", 750)]
    inner = 200
    between = 700
    design = sum(w for _, w in widths) + inner * 2
    total = design * 5 + between * 4
    x0 = (21000 - total) // 2
    left, right = x0 - between // 2, x0 + total + between // 2
    title_band(lay, left, right, title_field="TITLE")
    lay["fields"].append({"name": "NENDO", "rect": rect(left, 2250, left + 2600, 2800), "size": 10.5,
                          "valign": "bottom"})
    lay["fields"].append({"name": "CORPNAME", "rect": rect(left + 2600, 2250, 14000, 2800), "size": 10.5,
                          "valign": "bottom"})
    lay["fields"].append({"name": "YMD", "rect": rect(14000, 2250, right, 2800), "size": 9, "align": "right",
                          "valign": "bottom"})

    top = 4500                     # top of the fields; line k's text starts at top + k * 508 + 200
    band_top = top - 1050          # design names
    head_top = top - 550           # column headings, written by the program at top - 308
    body_top = top + 60
    bottom = top + 31 * LINE + 200 + 420

    # 32 lines a page, all alike: a full page holds rows on its last line too, and the averages of
    # the last page (on line 31) name themselves with 平均.
    for k in range(1, 32, 2):      # light stripes on every other line
        y = top + k * LINE + 200 - 110
        lay["boxes"].append({"rect": rect(left, y, right, y + LINE), "fill": "#F4F6F9"})
    lay["boxes"].append({"rect": rect(left, band_top, right, head_top), "fill": NAVY})
    lay["boxes"].append({"rect": rect(left, head_top, right, body_top), "fill": BAND})
    lay["boxes"].append({"rect": rect(left, band_top, right, bottom), "width": 12, "color": NAVY})
    lay["lines"].append({"from": [left, body_top], "to": [right, body_top], "width": 10, "color": NAVY})

    for d in range(1, 6):
        dx = x0 + (d - 1) * (design + between)
        if d > 1:
            sep = dx - between // 2
            lay["lines"].append({"from": [sep, band_top], "to": [sep, bottom], "width": 8, "color": GRID})
        lay["texts"].append({"text": "設計" + "０１２３４５"[d], "rect": rect(dx, band_top, dx + design, head_top),
                             "size": 9, "bold": True, "align": "center", "color": "#FFFFFF"})
        x = dx
        for fname, w in widths:
            lay["fields"].append({"name": f"{fname}{d}", "rect": rect(x, top, x + w, top + 350), "size": 8,
                                  "align": "right", "valign": "top"})
            x += w + inner
    footer(lay, left, right, "昇給設計レポート")
    return lay


def personal(name, caption, grid, right_aligned, photo):
    """Four employees a page: three columns of labelled items per slot, with a photo box on the
    left when the report shows photos."""
    lay = layout(name, caption, 9)
    left, right = 1000, 20000
    title_band(lay, left, right, title_text=caption)
    lay["fields"].append({"name": "年度", "rect": rect(left, 2250, left + 3200, 2800), "size": 10.5,
                          "valign": "bottom"})
    lay["fields"].append({"name": "企業名", "rect": rect(left + 3200, 2250, 14000, 2800), "size": 10.5,
                          "valign": "bottom"})
    lay["fields"].append({"name": "YMD", "rect": rect(14000, 2250, right, 2800), "size": 9, "align": "right",
                          "valign": "bottom"})
    lay["texts"].append({"text": "グループ", "rect": rect(left, 2950, left + 1500, 3450), "size": 9, "bold": True,
                         "align": "center", "fill": BAND, "color": NAVY})
    lay["fields"].append({"name": "プロットマーク", "rect": rect(left + 1600, 2950, left + 2300, 3450), "size": 13,
                          "align": "center"})
    lay["fields"].append({"name": "グループ名称", "rect": rect(left + 2400, 2950, 14000, 3450), "size": 10.5})

    slot_top, slot_pitch, slot_height = 3750, 6150, 5800
    rows = len(grid[0])
    pitch = (slot_height - 150) // rows
    height = pitch - 60
    grid_left = left + 3000 if photo else left
    col_gap = 120
    col_width = (right - grid_left - 2 * col_gap) // 3
    label_width = 1750

    for slot in range(1, 5):
        suffix = "" if slot == 1 else f"_{slot}"
        y = slot_top + (slot - 1) * slot_pitch
        if photo:
            lay["images"].append({"name": "IMAGE" + suffix,
                                  "rect": rect(left, y + 150, left + 2700, y + 150 + 3600),
                                  "border": 10, "borderColor": GRID})
        for c, items in enumerate(grid):
            cx = grid_left + c * (col_width + col_gap)
            for r, item in enumerate(items):
                ry = y + 150 + r * pitch
                lay["fields"].append({"name": "L" + item + suffix, "rect": rect(cx, ry, cx + label_width, ry + height),
                                      "size": 8, "align": "center", "color": NAVY, "fill": LABEL, "border": 8,
                                      "borderColor": GRID})
                value = {"name": item + suffix, "rect": rect(cx + label_width, ry, cx + col_width, ry + height),
                         "size": 9, "align": "right" if item in right_aligned else "left", "border": 8,
                         "borderColor": GRID}
                if item == "氏名":
                    value.update({"size": 10, "bold": True})
                lay["fields"].append(value)
    footer(lay, left, right, caption)
    return lay


def print5000():
    grid = [
        ["氏名", "社員番号", "生年月日", "入社年月日", "年齢", "勤続", "就労形態"],
        ["学歴", "専攻", "公的資格", "役職", "職務配置", "所属バンド", "ゾーン番号"],
        ["等級", "号俸", "本年評価", "１年前評価", "２年前評価", "３年前評価", "役割評価"],
    ]
    return personal("Print5000", "社員個人情報", grid, {"年齢", "勤続", "等級", "号俸", "ゾーン番号"}, True)


def print5010():
    grid = [
        ["氏名", "社員番号", "生年月日", "年齢", "勤続", "等級", "号俸", "昇号数"],
        ["滞留年数", "基本給", "諸手当", "所定給", "夏賞与", "冬賞与", "年収", "達成率"],
        ["昇給本年", "昇給１年前", "昇給２年前", "昇給３年前", "本年評価", "役割評価", "所属バンド", "ゾーン番号"],
    ]
    right = {"年齢", "勤続", "等級", "号俸", "昇号数", "滞留年数", "基本給", "諸手当", "所定給", "夏賞与", "冬賞与",
             "年収", "達成率", "昇給本年", "昇給１年前", "昇給２年前", "昇給３年前", "ゾーン番号"}
    return personal("Print5010", "社員賃金情報", grid, right, False)


def write(lay):
    # One element per line keeps the files readable and their diffs small.
    parts = ["{"]
    keys = list(lay.keys())
    for i, key in enumerate(keys):
        comma = "," if i < len(keys) - 1 else ""
        value = lay[key]
        if isinstance(value, list):
            if not value:
                parts.append(f'  "{key}": []{comma}')
                continue
            parts.append(f'  "{key}": [')
            for j, item in enumerate(value):
                sep = "," if j < len(value) - 1 else ""
                parts.append("    " + json.dumps(item, ensure_ascii=False) + sep)
            parts.append(f"  ]{comma}")
        else:
            parts.append(f'  "{key}": ' + json.dumps(value, ensure_ascii=False) + comma)
    parts.append("}")
    with open(os.path.join(HERE, lay["name"] + ".json"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    for make in (salary_list, up_list, sekkei_list, print5000, print5010):
        write(make())
