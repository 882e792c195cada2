/home/u/txt/a.txt

/home/u/txt/b.txt
/c.txt/d.txt