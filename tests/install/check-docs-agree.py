#!/usr/bin/env python3
"""Checks that a program's --help, its manual page source and its bash completion name the
same commands and the same long options, command by command.

usage: check-docs-agree.py PROGRAM MANUAL.scd [COMPLETION]
Exits 77 (skipped) when PROGRAM does not answer --help but starts instead.
"""
import re
import subprocess
import sys

SKIPPED = 77
OPTION = re.compile(r"(?<![\w-])--[a-z][a-z-]*")


def help_text(program, *arguments):
    try:
        result = subprocess.run([program, *arguments, "--help"], capture_output=True,
                                text=True, timeout=5)
    except subprocess.TimeoutExpired:
        print(f"SKIP: {program} --help did not return; it has no --help yet")
        sys.exit(SKIPPED)
    if result.returncode != 0:
        sys.exit(f"{program} {' '.join(arguments)} --help failed: {result.stderr}")
    return result.stdout


def help_commands(text):
    """The first word of each line of the "Commands:" block."""
    block = re.search(r"^Commands:\n((?:  \S.*\n)+)", text, re.MULTILINE)
    return [line.split()[0] for line in block.group(1).splitlines()] if block else []


def manual_sections(source):
    """Heading -> body, for both "# SECTION" and "## command" headings."""
    parts = re.split(r"^(#{1,2} .+)$", source, flags=re.MULTILINE)
    return {heading.lstrip("# ").strip(): body for heading, body in zip(parts[1::2], parts[2::2])}


def manual_options(text):
    return set(re.findall(r"\*(--[a-z][a-z-]*)\*", text))


def synopsis_options(synopsis, program, command):
    line = re.search(rf"^\*{re.escape(program)}\* \*{command}\*(.*)$", synopsis, re.MULTILINE)
    return manual_options(line.group(1)) if line else None


def completions(script, program, *words):
    """What the completion offers for the words typed so far (the last one being completed)."""
    words_text = " ".join(f"'{word}'" for word in (program, *words))
    bash = (f"source '{script}'; function=$(complete -p {program} | sed -E 's/.*-F ([^ ]+).*/\\1/');"
            f" COMP_WORDS=({words_text}); COMP_CWORD={len(words)}; \"$function\";"
            ' printf "%s\\n" "${COMPREPLY[@]}"')
    result = subprocess.run(["bash", "--norc", "-c", bash], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"completion failed: {result.stderr}")
    return set(result.stdout.split())


def main():
    program, manual_path = sys.argv[1:3]
    completion = sys.argv[3] if len(sys.argv) > 3 else None
    name = program.rsplit("/", 1)[-1]
    sections = manual_sections(open(manual_path, encoding="utf-8").read())
    problems = []

    def compare(what, expected, found):
        if expected != found:
            problems.append(f"{what}: --help says {sorted(expected)}, found {sorted(found)}")

    main_help = help_text(program)
    commands = help_commands(main_help)
    main_options = set(OPTION.findall(main_help))
    compare("manual OPTIONS", main_options, manual_options(sections.get("OPTIONS", "")))
    compare("manual commands", set(commands),
            {heading for heading in sections if heading.islower()})
    if completion:
        compare("completion of the first word", set(commands) | main_options,
                completions(completion, name, ""))
    for command in commands:
        options = set(OPTION.findall(help_text(program, command)))
        compare(f"manual section {command}", options, manual_options(sections.get(command, "")))
        compare(f"manual synopsis of {command}", options - {"--help"},
                synopsis_options(sections.get("SYNOPSIS", ""), name, command))
        if completion:
            compare(f"completion of {command} --", options,
                    completions(completion, name, command, "--"))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
