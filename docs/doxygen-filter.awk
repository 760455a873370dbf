# Doxygen input filter: reads the headers' plain comments as documentation,
# so the headers keep the comment style of the rest of the code.
#
# - The comment block at the top of a header documents the class it names
#   first ("// TNumLab: a label ...") or, without such a name, the file.
# - A comment on lines of its own documents the declaration below it; one
#   after code on the same line documents that code (enum values, fields),
#   except after a closing brace or a preprocessor line.
# - "// ---- title" starts a named group of members, which ends at the next
#   such line, an access specifier or the end of the class.
# - A setter straight after its getter, without a comment of its own, shares
#   the getter's comment: one comment describes the property.
#
# Usage (by Doxygen): awk -f doxygen-filter.awk HEADER

function flush_top(   i, name) {
  if (ntop == 0) return
  name = ""
  if (match(top[1], /^\/\/ T[A-Za-z0-9_]+: /)) {
    name = substr(top[1], 4, RLENGTH - 5)
    # "// TName: a label ..." reads "A label ..." on the class's page.
    top[1] = "// " toupper(substr(top[1], RLENGTH + 1, 1)) substr(top[1], RLENGTH + 2)
  }
  print (name != "" ? "/// \\class orv::" name : "/// \\file")
  for (i = 1; i <= ntop; i++) print "/" text(top[i])
  ntop = 0
}

# Comment text as Doxygen reads it: "#" before a word would ask for a link,
# and a lone "." after a blank would end a list.
function text(s) {
  gsub(/#/, "\\#", s)
  gsub(/ \.\./, " \\.\\.", s)
  return s
}

function close_group() {
  if (in_group) print "//@}"
  in_group = 0
}

BEGIN { state = "start"; ntop = 0; in_group = 0; getter = ""; getter_doc = 0; commented = 0; ndoc = 0 }

# Before the first declaration: collect the header's top comment.
state != "body" && /^\/\// { if (state == "start" || state == "top") { top[++ntop] = $0; state = "top"; next } }
state != "body" && /^#/ { if (state == "top") state = "after"; print; next }
state != "body" && /^[ \t]*$/ { if (state == "top") state = "after"; print; next }
state != "body" { flush_top(); state = "body" }

# Group headings.
/^[ \t]*\/\/ ?---+/ {
  close_group()
  title = $0
  sub(/^[ \t]*\/\/ ?-+ */, "", title)
  indent = $0
  sub(/\/\/.*/, "", indent)
  if (title != "") {
    print indent "/// \\name " title
    print indent "//@{"
    in_group = 1
  } else {
    print ""
  }
  getter = ""
  next
}

/^(public|protected|private):/ || /^}/ { close_group() }

# A comment on lines of its own.
/^[ \t]*\/\// {
  line = $0
  sub(/\/\//, "///", line)
  line = text(line)
  print line
  if (!commented) ndoc = 0
  cdoc[++ndoc] = line
  commented = 1
  next
}

# A published property: points to its accessors.
/^[ \t]*Q_PROPERTY\(/ {
  decl = $0
  sub(/^[ \t]*Q_PROPERTY\(/, "", decl)
  sub(/\)[ \t]*$/, "", decl)
  n = split(decl, word, /[ \t]+/)
  doc = "Published property, stored in forms"
  for (i = 3; i < n; i++) {
    if (word[i] == "READ") doc = doc "; read by " word[i + 1] "()"
    if (word[i] == "WRITE") doc = doc ", set by " word[i + 1] "()"
  }
  indent = $0
  sub(/[^ \t].*/, "", indent)
  print indent "/// " doc "."
  print
  next
}

{
  line = $0
  # A comment after code (and not inside a string) documents that code.
  pos = index(line, "//")
  if (pos > 0 && line !~ /^[ \t]*[}#]/ && index(substr(line, 1, pos - 1), "\"") == 0)
    line = substr(line, 1, pos - 1) "///<" text(substr(line, pos + 2))
  # A setter straight after its getter.
  if (!commented && getter != "" && match(line, /^[ \t]*void Set[A-Za-z0-9_]+\(/)) {
    set = substr(line, RSTART, RLENGTH - 1)
    sub(/^[ \t]*void Set/, "", set)
    if (set == getter || "Get" set == getter) {
      if (getter_doc) {
        for (i = 1; i <= ndoc; i++) print cdoc[i]
      } else {
        indent = line
        sub(/[^ \t].*/, "", indent)
        print indent "/// Sets " getter "()."
      }
    }
  }
  getter = ""
  if (match(line, /[A-Za-z0-9_]+\([^()]*\) const/)) {
    getter = substr(line, RSTART, RLENGTH)
    sub(/\(.*/, "", getter)
    getter_doc = commented
  }
  if (line !~ /^[ \t]*$/) commented = 0
  print line
}

END { flush_top(); close_group() }
