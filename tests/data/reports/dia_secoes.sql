-- Sections of the daily results report, on top of dia_fixture.sql (5 March 2026, shift TARDE).
INSERT INTO grupo (codigogrupo, descricao) VALUES (1, 'CALCADOS'), (2, 'CONFECCAO'), (3, 'ACESSORIOS');
INSERT INTO produto (codigoproduto, descricao, codigogrupo, descricaogrupo, quantidade, QtMinima, un) VALUES
  (101, 'TENIS CORRIDA MASCULINO', 1, 'CALCADOS', 10, 2, 'PR'),
  (201, 'CAMISETA ALGODAO', 2, 'CONFECCAO', 30, 5, 'UN'),
  (202, 'CALCA JEANS', 2, 'CONFECCAO', 8, 2, 'UN'),
  (301, 'MEIA ESPORTIVA', 3, 'ACESSORIOS', 50, 10, 'PR'),
  (401, 'BOTAO A GRANEL', NULL, NULL, 3.5, 1, 'KG');
INSERT INTO funcionario (Codigofuncionario, nomefuncionario, Ativo) VALUES
  (1, 'BIA SOUZA', 'S'), (2, 'ANA LIMA', 'S'), (3, 'JOAO CONCEICAO', 'S');
INSERT INTO itenssaida (Contador, Codigonota, Data, hora, Codigoproduto, Produto, CodigoGrupo, Grupo, Qt, Preco,
                        precocheio, desconto, CodigoFuncionario, nomefunciionario, DescParcela, NFCancelada, nfce,
                        tiponotafiscal, Turno) VALUES
  (1, 1001, '2026-03-05', '13:15', 201, 'CAMISETA ALGODAO', 2, 'CONFECCAO', 1, 50, 50, 0, 3, 'JOAO CONCEICAO', '', 'N', 501, 65, '2'),
  (2, 1002, '2026-03-05', '13:20', 101, 'TENIS CORRIDA MASCULINO', 1, '', 1, 120, 120, 1.5, 3, 'JOAO CONCEICAO', '', 'N', 502, 65, '2'),
  (3, 1003, '2026-03-05', '13:25', 202, 'CALCA JEANS', 2, 'CONFECCAO', 1, 80, 80, 2, 2, 'ANA LIMA', '', 'N', 503, 65, '2'),
  (4, 1004, '2026-03-05', '13:30', 301, 'MEIA ESPORTIVA', 3, 'ACESSORIOS', 2, 15, 15, 0, 2, 'ANA LIMA', '', 'N', 504, 65, '2'),
  (5, 1007, '2026-03-05', '13:45', 401, 'BOTAO A GRANEL', NULL, NULL, 0.25, 7, 28, 0, 1, 'BIA SOUZA', '', 'N', NULL, 65, '2'),
  (6, 1007, '2026-03-05', '13:45', 201, 'CAMISETA ALGODAO', 2, 'CONFECCAO', 3, 50, 50, 0, 1, 'BIA SOUZA', 'TROCA', 'N', NULL, 65, '2'),
  (7, 1009, '2026-03-05', '14:30', 202, 'CALCA JEANS', 2, 'CONFECCAO', 1, 89.9, 89.9, 0, 3, 'JOAO CONCEICAO', '', 'S', 506, 65, '2'),
  (8, 0999, '2026-03-05', '12:50', 301, 'MEIA ESPORTIVA', 3, 'ACESSORIOS', 1, 15, 15, 0, 3, 'JOAO CONCEICAO', '', 'N', NULL, 65, '1');
INSERT INTO itensnota (Codigonota, Data, Codigoproduto, Produto, Qt, Preco, usuario, nfcancelada, turno) VALUES
  (77001, '2026-03-05', 201, 'CAMISETA ALGODAO', 24, 21.5, 'ESTOQUE', 'N', '2'),
  (77001, '2026-03-05', 301, 'MEIA ESPORTIVA', 36, 5.2, 'ESTOQUE', 'N', '2'),
  (77002, '2026-03-05', 101, 'TENIS CORRIDA MASCULINO', 6, 60, 'ESTOQUE', 'N', '1'),
  (77003, '2026-03-05', 202, 'CALCA JEANS', 5, 40, 'ESTOQUE', 'S', '2');
INSERT INTO receber (CodigoNota, CodigoCliente, nome, NomeCliente, DataEmissao, DataVenc, DataQuitacao, Valor, TotalPg,
                     opcaovenda, turno, nfcancelada, tiponotafiscal) VALUES
  ('0951', 14, 'CARLOS PEREIRA', 'CARLOS PEREIRA', '2026-02-05', '2026-03-05', '2026-03-05', 60, 60, 'CARTAO DE CREDITO', '2', 'N', 65),
  ('0952', 15, 'RITA DE CASSIA', 'RITA DE CASSIA', '2026-02-05', '2026-03-05', '2026-03-05', 45, 45, 'CREDIARIO', '1', 'N', 65);
