' SeededClient.vbs OUT: a stock automation client of the installed
' Generator. Seeds 1, writes two numbers, seeds 1 again and writes the next
' two, one per line, so the file shows both the values and that reseeding
' repeats them.
Set out = CreateObject("Scripting.FileSystemObject").CreateTextFile(WScript.Arguments(0), True)
Set generator = CreateObject("Stochal.Generator")
For pass = 1 To 2
    generator.Seed 1
    out.WriteLine CStr(generator.Next())
    out.WriteLine CStr(generator.Next())
Next
out.Close
